#pragma once

#include "radio/transfer_sequences.h"

#include <QMutex>
#include <QObject>
#include <QThread>
#include <atomic>
#include <memory>

class SerialLink;

// The serial line of the radio dialogs, run on a worker thread of its own so the
// windows stay live: the dialogs open and close it and start one exchange at a time;
// progress and outcomes come back as signals on the thread that created the session.
// Closing cancels a running exchange at its next wait, sends nothing more and closes
// the port before it returns.
class RadioSession : public QObject {
    Q_OBJECT
public:
    explicit RadioSession(QObject* parent = nullptr);
    ~RadioSession() override;

    void setWaits(LinkWaits waits) { waits_ = waits; }

    // Successful reads and writes since a radio dialog was last closed; the read and
    // the write dialog share it.
    int SuccessCount = 0;

    // Opens the device for the coming exchanges; the reason when it cannot be opened.
    // An exchange opens it again itself when it is not open.
    QString open(const QString& device);
    // Cancels what runs, waits for it to stop, closes the port. Outcomes of exchanges
    // started before are dropped.
    void close();
    bool busy() const { return busy_; }

    // Each starts one exchange; false when one is running already.
    bool startRead(const ReadStyle& style);
    bool startWrite(const WriteBlocks& blocks);
    bool startPowerRead();
    bool startPowerWrite(const QString& blockDigits);

signals:
    void progress(int percent);
    void readFinished(const TransferOutcome& outcome, const RadioContent& content);
    void writeFinished(const TransferOutcome& outcome);
    void powerFinished(const PowerOutcome& outcome);

private:
    // Runs the job on the worker with an open link; the outcome is handed back.
    template <typename Job> bool start(Job job);
    // On the worker: the link, opened again when it is not usable; nothing when the
    // session was closed after the job was started.
    SerialLink* usableLink(int generation);
    // Progress for the session's thread, from the worker.
    ProgressReport reporter(int generation);
    // Back on the session's thread: emits unless the session was closed meanwhile.
    template <typename Emit> void deliver(int generation, Emit emitter);

    QThread thread_;
    QObject worker_; // lives on thread_; jobs run in its context
    std::unique_ptr<SerialLink> link_;
    QMutex linkMutex_; // guards link_ against cancel from this thread
    QString device_;
    LinkWaits waits_;
    bool busy_ = false;
    std::atomic<int> generation_{0}; // counts closes; guarded by linkMutex_ for writes
};
