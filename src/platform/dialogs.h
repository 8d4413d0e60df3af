#pragma once
// The open-file and save-file dialogs of the archive. Paths given and returned
// are real paths; no answer means the dialog was cancelled.
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace zelvo {

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // `proposta`: the file name offered; `filtro` as "File di testo (*.txt)|*.txt".
    // The dialog asks before overwriting an existing file when `confermaSovrascrittura`.
    virtual std::optional<std::string> saveFile(const std::string& proposta, const std::string& filtro,
                                                 bool confermaSovrascrittura) = 0;
    // `cartella`: where the dialog opens.
    virtual std::optional<std::string> openFile(const std::string& cartella, const std::string& filtro) = 0;
};

// Dialogs that give the answers a test has queued, in turn, and remember what
// they were asked. With no answer left every dialog is cancelled.
class TestDialogs final : public Dialogs {
public:
    struct Richiesta {
        bool salva;
        std::string percorso;  // the proposed file, or the folder opened
        std::string filtro;
        bool conferma;
    };
    // An empty optional stands for Cancel.
    void rispondi(std::optional<std::string> r) { risposte_.push_back(std::move(r)); }
    const std::vector<Richiesta>& richieste() const { return richieste_; }

    std::optional<std::string> saveFile(const std::string& proposta, const std::string& filtro,
                                         bool conferma) override {
        richieste_.push_back({true, proposta, filtro, conferma});
        return prossima();
    }
    std::optional<std::string> openFile(const std::string& cartella, const std::string& filtro) override {
        richieste_.push_back({false, cartella, filtro, false});
        return prossima();
    }

private:
    std::optional<std::string> prossima() {
        if (risposte_.empty()) return std::nullopt;
        auto r = std::move(risposte_.front());
        risposte_.pop_front();
        return r;
    }
    std::deque<std::optional<std::string>> risposte_;
    std::vector<Richiesta> richieste_;
};

}  // namespace zelvo
