#include "desktop/sound/default_output_watch.h"

#include <pulse/pulseaudio.h>

#include <utility>

namespace pairon {

// The connection to the sound server, with the thread its answers come on.
struct DefaultOutputWatch::Server {
    Changed changed;
    pa_threaded_mainloop* loop = nullptr;
    pa_context* context = nullptr;
    QByteArray current;
    bool known = false;
    bool started = false;

    static void StateChanged(pa_context* context, void* data) {
        if (pa_context_get_state(context) != PA_CONTEXT_READY) return;
        pa_context_set_subscribe_callback(context, &Server::Happened, data);
        if (pa_operation* o = pa_context_subscribe(context, PA_SUBSCRIPTION_MASK_SERVER, nullptr, nullptr)) {
            pa_operation_unref(o);
        }
        Ask(context, data);
    }

    static void Happened(pa_context* context, pa_subscription_event_type_t type, uint32_t, void* data) {
        if ((type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK) == PA_SUBSCRIPTION_EVENT_SERVER) Ask(context, data);
    }

    static void Ask(pa_context* context, void* data) {
        if (pa_operation* o = pa_context_get_server_info(context, &Server::Answered, data)) pa_operation_unref(o);
    }

    static void Answered(pa_context*, const pa_server_info* info, void* data) {
        auto* server = static_cast<Server*>(data);
        if (!info || !info->default_sink_name) return;
        const QByteArray name(info->default_sink_name);
        // The first answer is the output the game started on.
        const bool change = server->known && name != server->current;
        server->current = name;
        server->known = true;
        if (change && server->changed) server->changed(name);
    }
};

DefaultOutputWatch::DefaultOutputWatch(Changed changed) : server_(std::make_unique<Server>()) {
    server_->changed = std::move(changed);
    server_->loop = pa_threaded_mainloop_new();
    if (!server_->loop) return;
    server_->context = pa_context_new(pa_threaded_mainloop_get_api(server_->loop), "Pairon");
    if (!server_->context) return;
    pa_context_set_state_callback(server_->context, &Server::StateChanged, server_.get());
    // Never starts a sound server of its own: with none running, nothing
    // plays and there is nothing to follow.
    if (pa_context_connect(server_->context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) return;
    server_->started = pa_threaded_mainloop_start(server_->loop) == 0;
}

DefaultOutputWatch::~DefaultOutputWatch() {
    if (server_->started) pa_threaded_mainloop_stop(server_->loop);
    if (server_->context) {
        pa_context_set_state_callback(server_->context, nullptr, nullptr);
        pa_context_set_subscribe_callback(server_->context, nullptr, nullptr);
        pa_context_disconnect(server_->context);
        pa_context_unref(server_->context);
    }
    if (server_->loop) pa_threaded_mainloop_free(server_->loop);
}

}  // namespace pairon
