#pragma once

#include <QByteArray>
#include <functional>
#include <memory>

namespace pairon {

// Tells when the sound server's default output becomes another one, as when
// headphones are plugged in or the player picks another output in the
// desktop's settings. Qt 6.4 does not notice that on PulseAudio (or
// PipeWire's PulseAudio service), so the game asks the server itself.
//
// `changed` is called with the new output's name, which is the id Qt gives
// that output, on a thread of the watch's own; never for the output that was
// the default when the watch began. Without a sound server the watch says
// nothing and costs nothing.
class DefaultOutputWatch {
public:
    using Changed = std::function<void(const QByteArray& id)>;

    explicit DefaultOutputWatch(Changed changed);
    ~DefaultOutputWatch();
    DefaultOutputWatch(const DefaultOutputWatch&) = delete;
    DefaultOutputWatch& operator=(const DefaultOutputWatch&) = delete;

private:
    struct Server;
    std::unique_ptr<Server> server_;
};

}  // namespace pairon
