#include "producers/BrowsProducer.h"

#include "core/Globals.h"
#include "producers/BrowsProducerWindow.h"

namespace {

InstanceSlot producerBrowseSlot() {
    return {[] { return int(GLO.Threads.thread(Instance::ProducerBrowse)); },
            [](int t) { GLO.Threads.set(Instance::ProducerBrowse, quint32(t)); }};
}

} // namespace

void StartBrowsProducer() {
    auto* window = new BrowsProducerWindow;
    window->SingleInstance = producerBrowseSlot();
    window->Start();
}

void BrowsProducer() {
    if (Protocol::GlobalRequest == SelectRecord && GLO.Threads.isOpen(Instance::ProducerBrowse)) {
        Protocol::GlobalRequest = NoRequest;
        Protocol::GlobalResponse = RequestCancelled;
        return;
    }
    BrowsProducerWindow window;
    window.SingleInstance = producerBrowseSlot();
    Protocol::GlobalResponse = window.Run();
}
