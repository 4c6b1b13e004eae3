#include "radio/link_protocol.h"

#include "radio/hex_text.h"

namespace {
QString addressDigits(int address) {
    return hexByte(address >> 8) + hexByte(address);
}

QString blockHeader(const char* command, int address) {
    return QLatin1String(command) + addressDigits(address) + hexByte(frames::BlockSize);
}
} // namespace

QString frames::readCommand(int address) {
    return blockHeader("52", address);
}

QString frames::writeCommand(int address, const QString& blockDigits) {
    return blockHeader("57", address) + blockDigits;
}

bool handshake(Link& link, int waitMs) {
    for (int attempt = 0; attempt < frames::HandshakeAttempts && !link.failed(); ++attempt) {
        link.PrepareFrame(frames::HandshakeRequest);
        link.sendCommand(frames::HandshakeThreshold);
        link.SysDelay(waitMs);
        if (link.ReceivedFlag) {
            link.ReceivedFlag = false;
            if (link.ReplyHex() == frames::HandshakeReply)
                return true;
        }
    }
    return false;
}

bool powerHandshake(Link& link, int waitMs) {
    link.setThreshold(frames::HandshakeThreshold);
    link.PrepareFrame(frames::HandshakeRequest);
    for (int attempt = 0; attempt < frames::HandshakeAttempts && !link.failed(); ++attempt) {
        link.sendPending();
        link.SysDelayFull(waitMs);
        link.ReceivedFlag = false;
        if (link.ReplyHex() == frames::HandshakeReply)
            return true;
    }
    return false;
}

std::optional<QString> readTransaction(Link& link, int address, int waitMs) {
    if (!link.acknowledged())
        return std::nullopt;
    link.ReceivedFlag = false;
    link.PrepareFrame(frames::readCommand(address));
    link.sendCommand(frames::ReadThreshold);
    link.SysDelay(waitMs);
    if (!link.fresh())
        return std::nullopt;
    const QString reply = link.ReplyHex();
    link.ReceivedFlag = false;
    link.sendAcknowledge();
    link.SysDelay(waitMs);
    return reply;
}

bool isBlockDigits(const QString& blockDigits) {
    return blockDigits.size() == 2 * frames::BlockSize && bytesOfHex(blockDigits).has_value();
}

bool writeTransaction(Link& link, int address, const QString& blockDigits, int waitMs) {
    if (!isBlockDigits(blockDigits) ||
        !link.PrepareFrame(frames::writeCommand(address, blockDigits)))
        return false;
    link.ReceivedFlag = false;
    link.sendCommand(frames::WriteThreshold);
    link.SysDelay(waitMs);
    return true;
}

void endProgramming(Link& link) {
    link.PrepareFrame(frames::EndCommand);
    link.sendPending();
}
