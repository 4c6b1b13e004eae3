#include "app/demo_radio.h"

#include "radio/sim/sim_server.h"

DemoRadio::DemoRadio() = default;

DemoRadio::~DemoRadio() {
    if (server_) {
        server_->stop();
        server_->wait();
    }
}

bool DemoRadio::start(QString* error) {
    if (!folder_.isValid()) {
        *error = folder_.errorString();
        return false;
    }
    SimOptions options;
    options.pace = true;
    options.imagePath = folder_.filePath(QStringLiteral("radio.img"));
    server_ = std::make_unique<SimServer>(options);
    if (!server_->open(error)) {
        server_.reset();
        return false;
    }
    server_->start();
    return true;
}

QString DemoRadio::device() const {
    return server_ ? server_->devicePath() : QString();
}
