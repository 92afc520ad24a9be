#pragma once

#include <stdexcept>
#include <string>

namespace qn {

// Every failure the program reports is one of these; the application-wide handler
// tells them apart by type, so arithmetic failures get their own message.
class QnError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Division by zero, logarithm of a non-positive number, a non-finite result.
class EMathError : public QnError {
public:
    using QnError::QnError;
};

// A text that is no number, or a value that is not the whole number required.
class EConvertError : public QnError {
public:
    using QnError::QnError;
};

// A schedule row asked for outside 1 .. NumPayments, or of a loan without rows.
class EListError : public QnError {
public:
    using QnError::QnError;
};

// A typed figure outside what the program computes with (a count above its limit, a
// negative amount). what() is the whole message the user sees, naming the field.
class EInputError : public QnError {
public:
    using QnError::QnError;
};

// A name looked up that is not there, such as a field a report form asks a page's snapshot
// for: a fault of the program, never of what the user typed.
class ENameError : public QnError {
public:
    using QnError::QnError;
};

// A file that could not be written. what() is the whole message the user sees, naming the
// file ("Unable to write to <path>").
class EWriteError : public QnError {
public:
    using QnError::QnError;
};

} // namespace qn
