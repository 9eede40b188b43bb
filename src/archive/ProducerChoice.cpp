#include "archive/ProducerChoice.h"

#include "core/Procedures.h"
#include "framework/window/Requests.h"

ProducerChoice::Outcome ProducerChoice::choose() {
    if (!Procedures::exists(Procedure::ProducerBrowse)) return Outcome::Unavailable;
    Protocol::GlobalRequest = SelectRecord;
    Protocol::GlobalResponse = NoResponse;
    Procedures::run(Procedure::ProducerBrowse, Way::CallersThread);
    return Protocol::GlobalResponse == RequestCompleted ? Outcome::Chosen : Outcome::Cancelled;
}
