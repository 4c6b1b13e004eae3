#include "radio/radio_session.h"

#include "radio/serial_link.h"

RadioSession::RadioSession(QObject* parent) : QObject(parent) {
    worker_.moveToThread(&thread_);
    thread_.start();
}

RadioSession::~RadioSession() {
    close();
    thread_.quit();
    thread_.wait();
}

QString RadioSession::open(const QString& device) {
    device_ = device;
    QString problem;
    QMetaObject::invokeMethod(
        &worker_,
        [this, &problem] {
            QMutexLocker lock(&linkMutex_);
            link_ = std::make_unique<SerialLink>();
            if (!link_->open(device_))
                problem = link_->failure();
        },
        Qt::BlockingQueuedConnection);
    return problem;
}

void RadioSession::close() {
    {
        QMutexLocker lock(&linkMutex_);
        ++generation_;
        if (link_)
            link_->cancel();
    }
    busy_ = false;
    // Runs once the cancelled exchange has returned, so the port is closed on return.
    QMetaObject::invokeMethod(
        &worker_,
        [this] {
            QMutexLocker lock(&linkMutex_);
            link_.reset();
        },
        Qt::BlockingQueuedConnection);
}

SerialLink* RadioSession::usableLink(int generation) {
    QMutexLocker lock(&linkMutex_);
    if (generation != generation_)
        return nullptr;
    if (!link_ || !link_->isOpen() || link_->failed()) {
        link_ = std::make_unique<SerialLink>();
        link_->open(device_);
    }
    return link_.get();
}

template <typename Emit> void RadioSession::deliver(int generation, Emit emitter) {
    QMetaObject::invokeMethod(
        this,
        [this, generation, emitter] {
            if (generation != generation_)
                return;
            busy_ = false;
            emitter();
        },
        Qt::QueuedConnection);
}

ProgressReport RadioSession::reporter(int generation) {
    return [this, generation](int percent) {
        QMetaObject::invokeMethod(
            this,
            [this, generation, percent] {
                if (generation == generation_)
                    emit progress(percent);
            },
            Qt::QueuedConnection);
    };
}

template <typename Job> bool RadioSession::start(Job job) {
    if (busy_)
        return false;
    busy_ = true;
    const int generation = generation_;
    QMetaObject::invokeMethod(
        &worker_,
        [this, generation, job, waits = waits_] {
            if (SerialLink* link = usableLink(generation))
                job(*link, generation, waits);
        },
        Qt::QueuedConnection);
    return true;
}

bool RadioSession::startRead(const ReadStyle& style) {
    return start([this, style](SerialLink& link, int generation, LinkWaits waits) {
        RadioContent content;
        const TransferOutcome outcome =
            readRadio(link, style, &content, reporter(generation), waits);
        deliver(generation, [this, outcome, content] { emit readFinished(outcome, content); });
    });
}

bool RadioSession::startWrite(const WriteBlocks& blocks) {
    return start([this, blocks](SerialLink& link, int generation, LinkWaits waits) {
        const TransferOutcome outcome = writeRadio(link, blocks, reporter(generation), waits);
        deliver(generation, [this, outcome] { emit writeFinished(outcome); });
    });
}

bool RadioSession::startPowerRead() {
    return start([this](SerialLink& link, int generation, LinkWaits waits) {
        const PowerOutcome outcome = readCalibration(link, waits);
        deliver(generation, [this, outcome] { emit powerFinished(outcome); });
    });
}

bool RadioSession::startPowerWrite(const QString& blockDigits) {
    return start([this, blockDigits](SerialLink& link, int generation, LinkWaits waits) {
        const PowerOutcome outcome = writeCalibration(link, blockDigits, waits);
        deliver(generation, [this, outcome] { emit powerFinished(outcome); });
    });
}
