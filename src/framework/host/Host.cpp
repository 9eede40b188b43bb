#include "framework/host/Host.h"

#include <cassert>

namespace {
Host* installed = nullptr;
}

Host& Host::instance() {
    assert(installed && "no host installed");
    return *installed;
}

void Host::install(Host* host) {
    installed = host;
}

bool Host::present() {
    return installed != nullptr;
}
