#pragma once
// Tells the user when a data file could not be saved, naming the file, so that a failed save
// never looks like a success. The previous file is still whole when this is shown.

#include "platform/platform.h"
#include "store/store.h"

namespace velmora::store {

// Shows the message box when the save failed; returns whether it succeeded.
bool report_save(platform::Platform& platform, const SaveResult& result);

}  // namespace velmora::store
