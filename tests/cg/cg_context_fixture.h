// A fresh Cg context for each test, with an error callback that counts the
// errors the runtime raises.
#pragma once

#include <gtest/gtest.h>

#include "Cg/cg.h"

class CgContextTest : public ::testing::Test {
protected:
    void SetUp() override {
        context = cgCreateContext();
        callbackCalls = 0;
        cgSetErrorCallback(countingCallback);
        cgGetError();
    }
    void TearDown() override {
        cgSetErrorCallback(nullptr);
        cgDestroyContext(context);
    }

    static inline int callbackCalls = 0;
    CGcontext context = nullptr;

private:
    static void countingCallback() { ++callbackCalls; }
};
