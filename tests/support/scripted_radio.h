#pragma once

#include "radio/link.h"

#include <QByteArray>
#include <QList>

// A radio scripted frame by frame for the link steps, with no event loop and no real
// time: every frame the host sends is recorded with the threshold it went out under
// and answered with the next scripted answer (an empty answer is silence); time
// passes only while a wait finds nothing to take.
class ScriptedRadio : public Link {
public:
    struct Sent {
        QByteArray frame;
        int threshold;
    };

    QList<QByteArray> answers; // one per frame sent, in order
    QList<Sent> sent;
    qint64 clock = 0;

    // The frames sent, as hex text.
    QStringList sentHex() const {
        QStringList frames;
        for (const Sent& s : sent)
            frames << QString::fromLatin1(s.frame.toHex().toUpper());
        return frames;
    }
    // Bytes that arrive without being asked for.
    void arrive(const QByteArray& bytes) { line_ += bytes; }

protected:
    void applyThreshold(int bytes) override { threshold_ = bytes; }
    void output(const QByteArray& bytes) override {
        sent.append({bytes, threshold_});
        if (!answers.isEmpty())
            line_ += answers.takeFirst();
    }
    std::optional<QByteArray> receive(int ms) override {
        if (line_.size() >= threshold_ && !line_.isEmpty()) {
            const QByteArray input = line_;
            line_.clear();
            return input;
        }
        clock += ms;
        return std::nullopt;
    }
    qint64 nowMs() const override { return clock; }

private:
    QByteArray line_;
    int threshold_ = 1;
};
