#include "server/dbus/EndRequest.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace com {

namespace {

int requestPipe[2] = {-1, -1};

void NoteRequest(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = write(requestPipe[1], &byte, 1);
}

}  // namespace

EndRequest::EndRequest(std::function<void()> onRequest) : onRequest_(std::move(onRequest)) {
  if (pipe2(requestPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(requestPipe[0], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
    char bytes[16];
    while (read(requestPipe[0], bytes, sizeof bytes) > 0) {
    }
    onRequest_();
  });
  struct sigaction action {};
  action.sa_handler = NoteRequest;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
}

EndRequest::~EndRequest() {
  signal(SIGTERM, SIG_DFL);
  notifier_.reset();
  for (int& fd : requestPipe) {
    if (fd >= 0) close(fd);
    fd = -1;
  }
}

}  // namespace com
