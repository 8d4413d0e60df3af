#include "platform/media.h"

namespace zelvo {

const char* nomeLettore(Lettore l) {
    switch (l) {
        case Lettore::mmcRumori: return "mmcRumori";
        case Lettore::mmcBrano: return "mmcBrano";
        case Lettore::mmcBandiera: return "mmcBandiera";
        case Lettore::mmcUscita: return "mmcUscita";
        case Lettore::mmcSigla: return "mmcSigla";
    }
    return "";
}

void RegistroMedia::FileName(Lettore l, const std::string& percorso) {
    voci_.push_back({orologio_ ? orologio_() : 0, l, false, percorso});
    if (inoltra_) inoltra_->FileName(l, percorso);
}

void RegistroMedia::Command(Lettore l, const std::string& comando) {
    voci_.push_back({orologio_ ? orologio_() : 0, l, true, comando});
    if (inoltra_) inoltra_->Command(l, comando);
}

std::vector<std::pair<int64_t, std::string>> RegistroMedia::suonatiConTempo(Lettore l) const {
    std::vector<std::pair<int64_t, std::string>> out;
    std::string file;
    for (const Voce& v : voci_) {
        if (v.lettore != l) continue;
        if (!v.comando) file = v.valore;
        else if (v.valore == "Play") out.emplace_back(v.ms, file);
    }
    return out;
}

std::vector<std::string> RegistroMedia::suonati(Lettore l) const {
    std::vector<std::string> out;
    for (auto& [ms, f] : suonatiConTempo(l)) out.push_back(f);
    return out;
}

std::vector<std::string> RegistroMedia::comandi(Lettore l) const {
    std::vector<std::string> out;
    for (const Voce& v : voci_)
        if (v.lettore == l && v.comando) out.push_back(v.valore);
    return out;
}

}  // namespace zelvo
