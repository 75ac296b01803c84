// The engine's one exception hierarchy. Every failure the engine detects is
// thrown by value as one of these; each carries only a message for the player.
// Plain value types on purpose: no virtual operations, no std::exception base,
// so the one handler in the game sees exactly the message and nothing else.
#pragma once

#include <string>

namespace Zephra {
namespace Exceptions {

class Exception {
public:
    explicit Exception(const std::string& message) : message(message) {}
    const std::string& getMessage() const { return message; }

protected:
    std::string message;
};

// A file could not be opened.
class FileNotFoundException : public Exception {
public:
    explicit FileNotFoundException(const std::string& message) : Exception(message) {}
};

// An image file could not be decoded or has a layout the engine does not take.
class UnsupportedFormatException : public Exception {
public:
    explicit UnsupportedFormatException(const std::string& message) : Exception(message) {}
};

// The graphics device lacks a feature the engine requires.
class DeviceNotCapableException : public Exception {
public:
    explicit DeviceNotCapableException(const std::string& message) : Exception(message) {}
};

// An engine enumeration value has no mapping to the graphics interface.
class IllegalEnumException : public Exception {
public:
    explicit IllegalEnumException(const std::string& message) : Exception(message) {}
};

}  // namespace Exceptions
}  // namespace Zephra
