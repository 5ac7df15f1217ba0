#pragma once
// One run of sends, from its first key to its last, as a scope: the platform watches for the
// user's own key presses and clicks while it lasts, and the senders ask stopped() before each
// send, so that nothing more is typed once the user has stopped the run.
//
//   platform::SendRun run(platform);  ...  if (run.stopped()) { /* no history, tell the user */ }

#include "platform/platform.h"

namespace velmora::platform {

class SendRun {
public:
    explicit SendRun(Platform& platform) : m_platform(platform) { m_platform.begin_send_run(); }
    ~SendRun() { m_platform.end_send_run(); }
    SendRun(const SendRun&) = delete;
    SendRun& operator=(const SendRun&) = delete;

    bool stopped() const { return m_platform.send_run_stopped(); }

private:
    Platform& m_platform;
};

}  // namespace velmora::platform
