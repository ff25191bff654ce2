// An endless station stream: the station's tracks one after another, sent at
// the pace they play (after a short head start that fills a player's buffer).
//
// Threads: the provider runs on the server's worker for that connection; it
// only reads the store and the stopping flag.
#pragma once

#include <atomic>
#include <httplib.h>

#include "tools/demo-service/RadioDirectory.h"
#include "tools/demo-service/TrackStore.h"

namespace demo {

// Sets the ICY headers and the paced body of station `station` on res.
void ServeStation(TrackStore& store, const Station& station, const std::atomic<bool>& stopping,
                  httplib::Response& res);

}  // namespace demo
