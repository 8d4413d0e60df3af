#include "platform/media.h"

namespace zelvo {

const char* playerNameOf(Player l) {
    switch (l) {
        case Player::mmcRumori: return "mmcRumori";
        case Player::mmcBrano: return "mmcBrano";
        case Player::mmcBandiera: return "mmcBandiera";
        case Player::mmcUscita: return "mmcUscita";
        case Player::mmcSigla: return "mmcSigla";
    }
    return "";
}

void MediaLog::FileName(Player l, const std::string& path) {
    entries_.push_back({clock_ ? clock_() : 0, l, false, path});
    if (forward_) forward_->FileName(l, path);
}

void MediaLog::Command(Player l, const std::string& command) {
    entries_.push_back({clock_ ? clock_() : 0, l, true, command});
    if (forward_) forward_->Command(l, command);
}

std::vector<std::pair<int64_t, std::string>> MediaLog::playedWithTime(Player l) const {
    std::vector<std::pair<int64_t, std::string>> out;
    std::string file;
    for (const Entry& v : entries_) {
        if (v.player != l) continue;
        if (!v.command) file = v.value;
        else if (v.value == "Play") out.emplace_back(v.ms, file);
    }
    return out;
}

std::vector<std::string> MediaLog::played(Player l) const {
    std::vector<std::string> out;
    for (auto& [ms, f] : playedWithTime(l)) out.push_back(f);
    return out;
}

std::vector<std::string> MediaLog::commands(Player l) const {
    std::vector<std::string> out;
    for (const Entry& v : entries_)
        if (v.player == l && v.command) out.push_back(v.value);
    return out;
}

}  // namespace zelvo
