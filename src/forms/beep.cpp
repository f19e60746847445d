// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/beep.h"

#include <QApplication>
#include <canberra.h>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <dlfcn.h>
#include <mutex>
#include <semaphore>
#include <thread>

namespace forms {

namespace {

// The desktop's bell sound through libcanberra, which reaches PulseAudio or
// PipeWire: Qt has no beep on Wayland. The library is loaded at the first
// beep and the sounds are played one after another by a thread of their own,
// so that neither the start-up nor a click waits for the sound server. A
// sound server or sound theme that is missing, or gone, costs one line on
// stderr for the whole run and nothing else.
class Bell {
public:
    static Bell& instance() {
        static Bell* bell = new Bell; // its thread runs until the program ends
        return *bell;
    }

    void ring() {
        {
            std::lock_guard lock(mutex_);
            if (pending_ >= kMostPending) return; // a burst past this is dropped, not queued
            ++pending_;
            if (!thread_.joinable()) thread_ = std::thread(&Bell::run, this);
        }
        wake_.notify_one();
    }

private:
    static constexpr int kMostPending = 8;
    static constexpr auto kLongestSound = std::chrono::seconds(3);

    void run() {
        load();
        for (;;) {
            {
                std::unique_lock lock(mutex_);
                wake_.wait(lock, [this] { return pending_ > 0; });
            }
            if (const int error = play()) complainOnce(error);
            std::lock_guard lock(mutex_);
            --pending_;
        }
    }

    void load() {
        void* lib = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!lib) return;
        create_ = reinterpret_cast<decltype(create_)>(dlsym(lib, "ca_context_create"));
        destroy_ = reinterpret_cast<decltype(destroy_)>(dlsym(lib, "ca_context_destroy"));
        proplist_ = reinterpret_cast<decltype(proplist_)>(dlsym(lib, "ca_proplist_create"));
        dropProps_ = reinterpret_cast<decltype(dropProps_)>(dlsym(lib, "ca_proplist_destroy"));
        set_ = reinterpret_cast<decltype(set_)>(dlsym(lib, "ca_proplist_sets"));
        play_ = reinterpret_cast<decltype(play_)>(dlsym(lib, "ca_context_play_full"));
        strerror_ = reinterpret_cast<decltype(strerror_)>(dlsym(lib, "ca_strerror"));
    }

    // Plays one bell and waits until it has sounded; 0 or libcanberra's error.
    int play() {
        if (!create_ || !destroy_ || !proplist_ || !dropProps_ || !set_ || !play_)
            return CA_ERROR_NOTFOUND;
        if (!context_)
            if (const int error = create_(&context_)) return error;
        ca_proplist* props = nullptr;
        if (const int error = proplist_(&props)) return error;
        set_(props, CA_PROP_EVENT_ID, "bell-window-system");
        set_(props, CA_PROP_EVENT_DESCRIPTION, "Lautari -98");
        set_(props, CA_PROP_APPLICATION_NAME, "Lautari -98");
        const int error = play_(context_, 1, props, &Bell::played, this);
        dropProps_(props);
        if (error == CA_SUCCESS) {
            (void)done_.try_acquire_for(kLongestSound);
            return 0;
        }
        // A fresh context next time finds a sound server that has come back.
        destroy_(context_);
        context_ = nullptr;
        return error;
    }

    static void played(ca_context*, uint32_t, int, void* self) {
        static_cast<Bell*>(self)->done_.release();
    }

    void complainOnce(int error) {
        if (complained_) return;
        complained_ = true;
        std::fprintf(stderr, "lautari: äänimerkki ei soi: %s\n",
                     strerror_ ? strerror_(error) : "libcanberra.so.0 puuttuu");
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    int pending_ = 0;
    std::thread thread_;
    std::binary_semaphore done_{0};
    bool complained_ = false;

    ca_context* context_ = nullptr;
    decltype(&ca_context_create) create_ = nullptr;
    decltype(&ca_context_destroy) destroy_ = nullptr;
    decltype(&ca_proplist_create) proplist_ = nullptr;
    decltype(&ca_proplist_destroy) dropProps_ = nullptr;
    decltype(&ca_proplist_sets) set_ = nullptr;
    decltype(&ca_context_play_full) play_ = nullptr;
    decltype(&ca_strerror) strerror_ = nullptr;
};

} // namespace

// On X11 the X server's bell, so that the desktop's own bell settings
// (audible or visual) apply; on Wayland the desktop's bell sound.
void Beep::sound() {
    ++count_;
    if (QGuiApplication::platformName().startsWith(u"wayland"))
        Bell::instance().ring();
    else
        QApplication::beep();
}

} // namespace forms
