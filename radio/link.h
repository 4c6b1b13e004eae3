#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <optional>

// The conversation state with the radio (the prepared frame, the received flag and
// bytes) and the timed waits, over a transport that only moves bytes. Subclasses are
// the transports: a serial port for real, a scripted radio in tests. One instance is
// used by one thread at a time; only cancel() may be called from another.
class Link {
public:
    // The receive event code of data received.
    static constexpr int CommEventReceive = 2;

    Link() = default;
    virtual ~Link() = default;
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;

    // The link state.
    QByteArray PendingFrame;   // the bytes of the last PrepareFrame
    bool ReceivedFlag = false; // set by each receive event
    QByteArray ReceivedBytes;  // the bytes of the last receive event
    // The acknowledge byte: once as sent, once as compared with received data.
    char AckOut = 0x06;
    char AckIn = 0x06;

    // Turns hex text into PendingFrame (pairs from the start, either case, an odd last
    // character ignored); nothing is sent. A pair that is not hex leaves the pending
    // frame as it was and returns false.
    bool PrepareFrame(const QString& hex);
    // ReceivedBytes as upper-case hex text.
    QString ReplyHex() const;

    // Sets the receive threshold: a receive event needs at least this many bytes.
    void setThreshold(int bytes);
    // Sends PendingFrame without touching the threshold.
    void sendPending();
    // Sets the threshold to the length of the awaited reply first, then sends PendingFrame.
    void sendCommand(int threshold);
    // Sets the threshold to 1 and sends the acknowledge byte.
    void sendAcknowledge();

    // The wait of the read and the write: returns as soon as a receive event has
    // happened, or after ms milliseconds. A flag already set ends it after taking in
    // what has already arrived.
    void SysDelay(int ms);
    // The wait of the power dialog: always the full ms milliseconds, taking in every
    // receive event meanwhile.
    void SysDelayFull(int ms);

    // The first received byte is the acknowledge value; nothing received fails.
    bool acknowledged() const;
    // A receive event happened since the flag was last cleared.
    bool fresh() const { return ReceivedFlag; }

    // The receive handler: on event 2 sets the flag and takes the input.
    void MSComm1Comm(int commEvent, const QByteArray& input);

    // Asks a running or coming wait to stop; the link then fails. Any thread.
    void cancel() { cancelRequested_ = true; }
    bool cancelRequested() const { return cancelRequested_; }
    // Why the transport stopped working (port lost, cancelled, send failed); empty
    // while it works. Once failed, sends do nothing and waits return at once.
    bool failed() const { return !failure_.isEmpty(); }
    const QString& failure() const { return failure_; }

protected:
    // The transport.
    virtual void applyThreshold(int bytes) = 0;
    virtual void output(const QByteArray& bytes) = 0;
    // Waits at most ms milliseconds until at least the threshold number of bytes is
    // buffered; then returns them all, emptying the buffer. Nothing on time-out.
    virtual std::optional<QByteArray> receive(int ms) = 0;
    // A monotonic millisecond clock; scripted transports count their own time.
    virtual qint64 nowMs() const;

    // Records the first failure; later ones keep the first reason.
    void fail(const QString& message);

private:
    bool usable();

    std::atomic<bool> cancelRequested_{false};
    QString failure_;
};
