// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The paging terminal's side of the block checksum: the service's own implementation, kept
// apart from Tellumo's so that the two check each other.
namespace tap {

inline constexpr char STX = 0x02;
inline constexpr char ETX = 0x03;
inline constexpr char EOT = 0x04;
inline constexpr char ACK = 0x06;
inline constexpr char CR = 0x0d;
inline constexpr char NAK = 0x15;
inline constexpr char ETB = 0x17;
inline constexpr char ESC = 0x1b;
inline constexpr char RS = 0x1e;
inline constexpr char US = 0x1f;

// Three characters "0" to "?" from the low 12 bits of the sum of every byte given (the block
// from its STX through its ETX), highest 4 bits first.
QByteArray checksum(QByteArrayView bloco);

} // namespace tap
