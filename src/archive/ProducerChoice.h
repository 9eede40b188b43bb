#pragma once

// The producer list in select mode, for a producer name that is not in the file: the user
// picks one (it is left in the PRD buffer) or cancels. Until the producer list is built there
// is nothing to choose from, and the name typed stays as it is.
namespace ProducerChoice {

enum class Outcome { Chosen, Cancelled, Unavailable };
Outcome choose();

} // namespace ProducerChoice
