#include <gtest/gtest.h>

#include <type_traits>

#include "zephra.h"

using namespace Zephra::Exceptions;

static_assert(!std::is_base_of<std::exception, Exception>::value,
              "engine exceptions are not standard exceptions");
static_assert(!std::is_polymorphic<Exception>::value, "no virtual operations");
static_assert(std::is_base_of<Exception, FileNotFoundException>::value &&
                  std::is_base_of<Exception, UnsupportedFormatException>::value &&
                  std::is_base_of<Exception, DeviceNotCapableException>::value &&
                  std::is_base_of<Exception, IllegalEnumException>::value,
              "every kind derives from the base");

template <class T>
std::string caughtAsBase(const std::string& message) {
    try {
        throw T(message);
    } catch (Exception e) {  // by value, as the base: the message must survive slicing
        return e.getMessage();
    }
    return "not caught";
}

TEST(Exceptions, EverySubclassIsCaughtAsTheBaseWithItsMessage) {
    EXPECT_EQ(caughtAsBase<FileNotFoundException>("File not found: data/x.png"),
              "File not found: data/x.png");
    EXPECT_EQ(caughtAsBase<UnsupportedFormatException>("Unsupported format"), "Unsupported format");
    EXPECT_EQ(caughtAsBase<DeviceNotCapableException>("a\n\nb"), "a\n\nb");
    EXPECT_EQ(caughtAsBase<IllegalEnumException>("Illegal BlendOperandEnum"),
              "Illegal BlendOperandEnum");
    EXPECT_EQ(caughtAsBase<Exception>(""), "");
}

TEST(Exceptions, CopyOutlivesTheOriginal) {
    auto* original = new FileNotFoundException(std::string(1000, 'm'));
    Exception copy = *original;
    delete original;
    EXPECT_EQ(copy.getMessage(), std::string(1000, 'm'));
}
