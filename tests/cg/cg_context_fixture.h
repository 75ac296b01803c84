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

    // Creates a program, failing the test with the listing when it does not compile.
    CGprogram compile(const char* source, CGprofile profile, const char* entry = "main",
                      const char** args = nullptr) {
        CGprogram p = cgCreateProgram(context, CG_SOURCE, source, profile, entry, args);
        const char* listing = cgGetLastListing(context);
        EXPECT_NE(p, nullptr) << (listing ? listing : "");
        return p;
    }
    // The error the last call raised, which must have gone through the callback once.
    CGerror raised() {
        EXPECT_EQ(callbackCalls, 1);
        callbackCalls = 0;
        return cgGetError();
    }

    static inline int callbackCalls = 0;
    CGcontext context = nullptr;

private:
    static void countingCallback() { ++callbackCalls; }
};
