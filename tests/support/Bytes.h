#pragma once
// Byte arrays from string literals, embedded NULs included.

#include <QByteArray>

#include <cstddef>

namespace testsupport {

template <std::size_t N>
QByteArray bytes(const char (&literal)[N]) {
    return QByteArray(literal, N - 1);
}

}  // namespace testsupport
