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

void MediaLog::FileName(Player l, const std::string& percorso) {
    entries_.push_back({orologio_ ? orologio_() : 0, l, false, percorso});
    if (inoltra_) inoltra_->FileName(l, percorso);
}

void MediaLog::Command(Player l, const std::string& comando) {
    entries_.push_back({orologio_ ? orologio_() : 0, l, true, comando});
    if (inoltra_) inoltra_->Command(l, comando);
}

std::vector<std::pair<int64_t, std::string>> MediaLog::playedWithTime(Player l) const {
    std::vector<std::pair<int64_t, std::string>> out;
    std::string file;
    for (const Entry& v : entries_) {
        if (v.lettore != l) continue;
        if (!v.comando) file = v.valore;
        else if (v.valore == "Play") out.emplace_back(v.ms, file);
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
        if (v.lettore == l && v.comando) out.push_back(v.valore);
    return out;
}

}  // namespace zelvo
