// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/pulse/pulse_engine.h"
#include "audio/pulse/pulse_capture.h"
#include "audio/pulse/pulse_connection.h"
#include "audio/pulse/pulse_output_stream.h"

#include <QByteArray>
#include <QMetaObject>

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/sample.h>
#include <pulse/volume.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace {
constexpr int TypeDigital = 0x01000000;
constexpr int TypeLineIn = 0x02000000;
constexpr int TypeMicrophone = 0x03000000;
constexpr int TypeWavePcm = 0x08000000;

struct PortTypeRule {
    std::uint32_t portType;
    int typeCode;
};
constexpr PortTypeRule PortTypes[] = {
    {PA_DEVICE_PORT_TYPE_MIC, TypeMicrophone},     {PA_DEVICE_PORT_TYPE_HEADSET, TypeMicrophone},
    {PA_DEVICE_PORT_TYPE_HANDSET, TypeMicrophone}, {PA_DEVICE_PORT_TYPE_LINE, TypeLineIn},
    {PA_DEVICE_PORT_TYPE_SPDIF, TypeDigital},      {PA_DEVICE_PORT_TYPE_HDMI, TypeDigital},
};

// Servers and drivers that leave the port type unknown still name their ports after the
// jack, as the ALSA profiles do ("analog-input-front-mic", "iec958-stereo-input").
struct PortNameRule {
    const char* fragment;
    int typeCode;
};
constexpr PortNameRule PortNames[] = {
    {"mic", TypeMicrophone},  {"headset", TypeMicrophone}, {"line", TypeLineIn},
    {"iec958", TypeDigital},  {"spdif", TypeDigital},      {"hdmi", TypeDigital},
    {"digital", TypeDigital},
};

int typeCodeOf(const pa_source_info& info) {
    if (info.monitor_of_sink != PA_INVALID_INDEX)
        return TypeWavePcm;
    const pa_source_port_info* port = info.active_port;
    if (!port)
        return 0;
    for (const auto& rule : PortTypes) {
        if (port->type == rule.portType)
            return rule.typeCode;
    }
    const QByteArray name = QByteArray(port->name ? port->name : "").toLower();
    for (const auto& rule : PortNames) {
        if (name.contains(rule.fragment))
            return rule.typeCode;
    }
    return 0;
}

int levelPercentOf(const pa_cvolume& volume) {
    const double percent = 100.0 * pa_cvolume_avg(&volume) / PA_VOLUME_NORM;
    return std::clamp(int(std::lround(percent)), 0, 100);
}

struct Input {
    QByteArray name;
    QString description;
    int channels = 2;
    int levelPercent = 0;
    int typeCode = 0;
};

Input inputFrom(const pa_source_info& info) {
    Input input;
    input.name = info.name;
    input.description = QString::fromUtf8(info.description ? info.description : info.name);
    input.channels = info.channel_map.channels;
    input.levelPercent = levelPercentOf(info.volume);
    input.typeCode = typeCodeOf(info);
    return input;
}

void onSourceInfo(pa_context*, const pa_source_info* info, int eol, void* userdata) {
    if (!eol && info)
        static_cast<std::vector<Input>*>(userdata)->push_back(inputFrom(*info));
}

void onServerInfo(pa_context*, const pa_server_info* info, void* userdata) {
    if (info && info->default_source_name)
        *static_cast<QByteArray*>(userdata) = info->default_source_name;
}

void onSuccess(pa_context*, int success, void* userdata) {
    *static_cast<int*>(userdata) = success;
}
} // namespace

struct PulseEngine::Private {
    explicit Private(PulseEngine* engine) : q(engine) {}

    PulseEngine* q;
    PulseConnection connection;
    bool recording = false;
    std::vector<Input> inputs;
    QByteArray onSource;
    std::map<Handle, std::unique_ptr<PulseCapture>> captures;
    std::map<Handle, std::unique_ptr<PulseOutputStream>> streams;
    Handle nextHandle = 1;
    int lastError = 0;

    Status record(Status status) {
        lastError = status.codeNumber();
        return status;
    }

    Status ensureConnected() {
        {
            PulseConnection::Locker lock(connection);
            if (connection.isReady())
                return Status::ok();
            // Whatever ran on a lost connection went with it.
            for (auto& [handle, capture] : captures)
                capture->close();
            for (auto& [handle, stream] : streams)
                stream->release();
        }
        return connection.connect();
    }

    Status fetchInputs() {
        PulseConnection::Locker lock(connection);
        pa_context* context = connection.context();
        QByteArray defaultSource;
        std::vector<Input> list;
        if (!connection.waitFor(
                pa_context_get_server_info(context, onServerInfo, &defaultSource)) ||
            !connection.waitFor(pa_context_get_source_info_list(context, onSourceInfo, &list)))
            return {ErrorCode::Driver,
                    tr("The sound server did not list its inputs: %1").arg(connection.errorText())};
        inputs = std::move(list);
        const bool chosenExists = std::any_of(
            inputs.begin(), inputs.end(), [this](const Input& i) { return i.name == onSource; });
        if (onSource.isEmpty() || !chosenExists)
            onSource = defaultSource;
        return Status::ok();
    }

    const Input* input(int index) const {
        return index >= 0 && index < int(inputs.size()) ? &inputs[std::size_t(index)] : nullptr;
    }

    static Status noInput(int index) {
        return {ErrorCode::Device, tr("There is no input %1.").arg(index)};
    }

    static Status noHandle(Handle handle) {
        return {ErrorCode::Handle, tr("No stream or capture has the handle %1.").arg(handle)};
    }

    // A stream needs the server only to play (play() connects), so a take whose capture
    // the server ended by going away still gets its stream and can be saved at once and
    // played once the server is back.
    Handle addStream(Result<std::unique_ptr<PulseOutputStream>> stream) {
        if (!stream) {
            record(stream.status());
            return 0;
        }
        const Handle handle = nextHandle++;
        const auto announce = [this, handle](void (AudioEngine::*signal)(AudioEngine::Handle)) {
            return [this, handle, signal] {
                QMetaObject::invokeMethod(
                    q,
                    [this, handle, signal] {
                        if (streams.count(handle))
                            emit(q->*signal)(handle);
                    },
                    Qt::QueuedConnection);
            };
        };
        (*stream)->setEndedHandler(announce(&AudioEngine::streamEnded));
        (*stream)->setFailedHandler(announce(&AudioEngine::streamFailed));
        PulseConnection::Locker lock(connection);
        streams.emplace(handle, std::move(*stream));
        record(Status::ok());
        return handle;
    }

    PulseOutputStream* stream(Handle handle) const {
        const auto it = streams.find(handle);
        return it == streams.end() ? nullptr : it->second.get();
    }
};

PulseEngine::PulseEngine(QObject* parent)
    : AudioEngine(parent), d(std::make_unique<Private>(this)) {}

PulseEngine::~PulseEngine() {
    releaseAll();
}

Status PulseEngine::startForDecoding() {
    return d->record(Status::ok());
}

Status PulseEngine::startForRecording() {
    Status status = d->ensureConnected();
    if (status)
        status = d->fetchInputs();
    d->recording = status.isOk();
    return d->record(status);
}

void PulseEngine::releaseAll() {
    {
        PulseConnection::Locker lock(d->connection);
        d->captures.clear();
        d->streams.clear();
    }
    d->connection.disconnect();
    d->recording = false;
    d->inputs.clear();
}

int PulseEngine::inputCount() const {
    return d->recording ? int(d->inputs.size()) : 0;
}

QString PulseEngine::inputName(int index) const {
    const Input* input = d->input(index);
    return input && d->recording ? input->description : QString();
}

AudioEngine::InputState PulseEngine::inputState(int index) const {
    if (!d->recording || !d->input(index))
        return {};
    Input& input = d->inputs[std::size_t(index)];
    {
        PulseConnection::Locker lock(d->connection);
        std::vector<Input> found;
        if (d->connection.isReady() &&
            d->connection.waitFor(pa_context_get_source_info_by_name(
                d->connection.context(), input.name.constData(), onSourceInfo, &found)) &&
            !found.empty()) {
            input.levelPercent = found.front().levelPercent;
            input.typeCode = found.front().typeCode;
        }
    }
    return {input.levelPercent, input.name == d->onSource, input.typeCode};
}

Status PulseEngine::setInputOn(int index) {
    const Input* input = d->input(index);
    if (!d->recording || !input)
        return d->record(Private::noInput(index));
    d->onSource = input->name;
    PulseConnection::Locker lock(d->connection);
    for (auto& [handle, capture] : d->captures) {
        if (Status moved = capture->moveTo(input->name); !moved)
            return d->record(moved);
    }
    return d->record(Status::ok());
}

Status PulseEngine::setInputOff(int index) {
    const Input* input = d->input(index);
    if (!d->recording || !input)
        return d->record(Private::noInput(index));
    if (input->name == d->onSource)
        d->onSource.clear();
    return d->record(Status::ok());
}

Status PulseEngine::setInputLevel(int index, int percent) {
    const Input* input = d->input(index);
    if (!d->recording || !input)
        return d->record(Private::noInput(index));
    if (percent < 0 || percent > 100)
        return d->record(
            {ErrorCode::IllegalParam, tr("Level %1 is outside 0 to 100.").arg(percent)});
    pa_cvolume volume;
    pa_cvolume_set(&volume, unsigned(std::clamp(input->channels, 1, int(PA_CHANNELS_MAX))),
                   pa_volume_t(std::lround(percent * double(PA_VOLUME_NORM) / 100.0)));
    int done = 0;
    PulseConnection::Locker lock(d->connection);
    if (!d->connection.isReady() ||
        !d->connection.waitFor(pa_context_set_source_volume_by_name(
            d->connection.context(), input->name.constData(), &volume, onSuccess, &done)) ||
        !done)
        return d->record(
            {ErrorCode::Driver, tr("Can't set the level of %1: %2")
                                    .arg(input->description, d->connection.errorText())});
    return d->record(Status::ok());
}

AudioEngine::Handle PulseEngine::startCapture(CaptureCallback callback) {
    if (!d->recording || !callback) {
        d->record({ErrorCode::Init, tr("The engine is not started for recording.")});
        return 0;
    }
    const Handle handle = d->nextHandle++;
    auto announceEnd = [this, handle] {
        QMetaObject::invokeMethod(
            this,
            [this, handle] {
                if (d->captures.count(handle))
                    emit captureEnded(handle);
            },
            Qt::QueuedConnection);
    };
    PulseConnection::Locker lock(d->connection);
    auto capture =
        PulseCapture::start(d->connection, d->onSource, std::move(callback), announceEnd);
    if (!capture) {
        d->record(capture.status());
        return 0;
    }
    d->captures.emplace(handle, std::move(*capture));
    d->record(Status::ok());
    return handle;
}

void PulseEngine::stopCapture(Handle capture) {
    const auto it = d->captures.find(capture);
    if (it == d->captures.end()) {
        d->record(Private::noHandle(capture));
        return;
    }
    PulseConnection::Locker lock(d->connection);
    it->second->close();
    d->record(Status::ok());
}

ByteCount PulseEngine::capturePosition(Handle capture) const {
    const auto it = d->captures.find(capture);
    return it == d->captures.end() ? 0 : it->second->position();
}

AudioEngine::CallbackTimes PulseEngine::longestCallback(Handle capture) const {
    const auto it = d->captures.find(capture);
    return it == d->captures.end() ? CallbackTimes{} : it->second->longestCallback();
}

AudioEngine::Handle PulseEngine::createMemoryStream(const std::byte* image, ByteCount bytes) {
    return d->addStream(PulseOutputStream::overMemory(image, bytes));
}

AudioEngine::Handle PulseEngine::createFileStream(const ClipRange& clip) {
    return d->addStream(PulseOutputStream::overFile(clip));
}

void PulseEngine::freeStream(Handle stream) {
    const auto it = d->streams.find(stream);
    if (it == d->streams.end()) {
        d->record(Private::noHandle(stream));
        return;
    }
    PulseConnection::Locker lock(d->connection);
    d->streams.erase(it);
    d->record(Status::ok());
}

Status PulseEngine::play(Handle stream) {
    PulseOutputStream* output = d->stream(stream);
    if (!output)
        return d->record(Private::noHandle(stream));
    Status status = d->ensureConnected();
    if (status) {
        PulseConnection::Locker lock(d->connection);
        status = output->play(d->connection);
    }
    return d->record(status);
}

Status PulseEngine::stop(Handle stream) {
    PulseOutputStream* output = d->stream(stream);
    if (!output)
        return d->record(Private::noHandle(stream));
    PulseConnection::Locker lock(d->connection);
    return d->record(output->stop(d->connection));
}

bool PulseEngine::isActive(Handle stream) const {
    const PulseOutputStream* output = d->stream(stream);
    PulseConnection::Locker lock(d->connection);
    return output && output->isActive();
}

ByteCount PulseEngine::position(Handle stream) const {
    const PulseOutputStream* output = d->stream(stream);
    PulseConnection::Locker lock(d->connection);
    return output ? output->position() : 0;
}

ByteCount PulseEngine::length(Handle stream) const {
    const PulseOutputStream* output = d->stream(stream);
    PulseConnection::Locker lock(d->connection);
    return output ? output->length() : 0;
}

WavFormat PulseEngine::format(Handle stream) const {
    const PulseOutputStream* output = d->stream(stream);
    return output ? output->format() : WavFormat{};
}

Status PulseEngine::setPosition(Handle stream, ByteCount bytes) {
    PulseOutputStream* output = d->stream(stream);
    if (!output)
        return d->record(Private::noHandle(stream));
    Status status = Status::ok();
    {
        PulseConnection::Locker lock(d->connection);
        if (!output->isActive())
            return d->record(output->setPosition(d->connection, bytes));
    }
    status = d->ensureConnected();
    if (status) {
        PulseConnection::Locker lock(d->connection);
        status = output->setPosition(d->connection, bytes);
    }
    return d->record(status);
}

Status PulseEngine::queueNext(Handle stream, Handle next) {
    PulseOutputStream* output = d->stream(stream);
    PulseOutputStream* follower = next == 0 ? nullptr : d->stream(next);
    if (!output || (next != 0 && !follower))
        return d->record(Private::noHandle(output ? next : stream));
    PulseConnection::Locker lock(d->connection);
    return d->record(output->queueNext(follower));
}

int PulseEngine::lastErrorCode() const {
    return d->lastError;
}
