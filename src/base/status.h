// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>
#include <utility>

// The program's one error convention: an operation that can fail returns a Status
// (or a Result<T>), carrying a numeric code for the "error code: N" line of the error box
// and a sentence for the user that names the file and the reason.

enum class ErrorCode : int {
    Ok = 0,
    OutOfMemory = 1,
    FileOpen = 2, // a file could not be opened for reading
    Driver = 3,   // the sound server refused or dropped the connection
    Handle = 5,   // no such stream, capture or alias
    Format = 6,   // a sample format the operation does not handle
    Position = 7, // a position outside the sound
    Init = 8,     // the engine was not started
    Start = 9,    // a capture or playback could not start
    IllegalParam = 20,
    Device = 23,  // no such input or output device
    NotFile = 27, // the path names something that is not a regular file
    Empty = 31,   // nothing to work on (an empty list, a file without sound)
    NoNet = 32,   // a URL could not be reached
    Create = 33,  // a file could not be created or written
    NotAvailable = 37,
    Decode = 38, // the codec failed on the data
    Timeout = 40,
    FileForm = 41, // not a format any loader reads
    TooLarge = 42, // the result would pass the WAV 32-bit size limits
    Codec = 44,    // no decoder or encoder for the stream
    Ended = 45,
    Exists = 46, // the target is there already and was left as it is
    Unknown = -1,
};

class Status {
public:
    Status() = default;
    Status(ErrorCode code, QString message) : m_code(code), m_message(std::move(message)) {}

    static Status ok() { return {}; }

    bool isOk() const { return m_code == ErrorCode::Ok; }
    explicit operator bool() const { return isOk(); }
    ErrorCode code() const { return m_code; }
    int codeNumber() const { return static_cast<int>(m_code); }
    const QString& message() const { return m_message; }

private:
    ErrorCode m_code = ErrorCode::Ok;
    QString m_message;
};

// A value or the Status that explains why there is none.
template <typename T> class Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Status failure) : m_status(std::move(failure)) {}

    bool isOk() const { return m_value.has_value(); }
    explicit operator bool() const { return isOk(); }
    const Status& status() const { return m_status; }
    T& value() { return *m_value; }
    const T& value() const { return *m_value; }
    T& operator*() { return *m_value; }
    const T& operator*() const { return *m_value; }
    T* operator->() { return &*m_value; }
    const T* operator->() const { return &*m_value; }

private:
    std::optional<T> m_value;
    Status m_status;
};
