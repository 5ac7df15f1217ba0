#include "store/save_report.h"

namespace velmora::store {

bool report_save(platform::Platform& platform, const SaveResult& result) {
    if (result.ok) {
        return true;
    }
    std::string message = result.file + " を保存できませんでした。\r\n前の内容はそのまま残っています。";
    if (!result.reason.empty()) {
        message += "\r\n(" + result.reason + ")";
    }
    platform.message_box(message, platform::Buttons::Ok);
    return false;
}

}  // namespace velmora::store
