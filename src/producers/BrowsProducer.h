#pragma once

// The list of producers, "Software Producers". At most one is open.
//
// On a thread number of its own, from the main frame: returns at once.
void StartBrowsProducer();
// On the caller's thread until it closes, with the request in Protocol::GlobalRequest; the
// response is left in Protocol::GlobalResponse. With the select request the producer
// chosen is left in the PRD record buffer; while another producer list is open the select
// ends at once as cancelled.
void BrowsProducer();
