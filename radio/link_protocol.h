#pragma once

#include "radio/link.h"

#include <QString>
#include <optional>

// The frames of the conversation with the radio and the steps built from them. Each
// step follows the host-paced rhythm: set the threshold, send, wait, test.
namespace frames {
inline const QString HandshakeRequest = QStringLiteral("02515542746F7A");
inline const QString HandshakeReply = QStringLiteral("0620706172766578");
inline const QString EndCommand = QStringLiteral("646F");

// Receive thresholds: the length of the reply each command awaits.
constexpr int HandshakeThreshold = 8;
constexpr int ReadThreshold = 12;
constexpr int WriteThreshold = 1;
constexpr int HandshakeAttempts = 6;
// Every read and write moves one block of this many bytes.
constexpr int BlockSize = 8;

// The waits of the read, of the write and of every power dialog step.
constexpr int LongWaitMs = 550;
constexpr int ShortWaitMs = 250;

// "52" + four address digits + "08".
QString readCommand(int address);
// "57" + four address digits + "08" + the sixteen data digits.
QString writeCommand(int address, const QString& blockDigits);
} // namespace frames

// The handshake of the read and the write: up to six requests, each followed by a
// wait that ends early on data; succeeds on the first fresh reply that is exactly the
// programming-mode reply (no more, no less).
bool handshake(Link& link, int waitMs);

// The handshake of the power dialog: threshold set once, full waits, and the reply
// compared whether or not it is fresh.
bool powerHandshake(Link& link, int waitMs = frames::ShortWaitMs);

// One block read: the previous exchange must be acknowledged; sends the read command
// (threshold 12), waits, and takes the reply if fresh; then acknowledges it and waits
// for the radio's 0x06, which the next step tests. Nothing when a test fails.
std::optional<QString> readTransaction(Link& link, int address, int waitMs);

// Whether the text is one block's data: sixteen hex digits.
bool isBlockDigits(const QString& blockDigits);

// One block write: sends the write command (threshold 1) and waits for the radio's
// 0x06, which the next step tests. False, with nothing sent, when the
// block is not sixteen hex digits.
bool writeTransaction(Link& link, int address, const QString& blockDigits, int waitMs);

// Leaves programming mode: sends the end command without touching the threshold and
// without waiting for anything.
void endProgramming(Link& link);
