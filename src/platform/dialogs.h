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
    // `proposed`: the file name offered; `filter` as "File di testo (*.txt)|*.txt".
    // The dialog asks before overwriting an existing file when `confirmOverwrite`.
    virtual std::optional<std::string> saveFile(const std::string& proposed, const std::string& filter,
                                                 bool confirmOverwrite) = 0;
    // `folder`: where the dialog opens.
    virtual std::optional<std::string> openFile(const std::string& folder, const std::string& filter) = 0;
};

// Dialogs that give the answers a test has queued, in turn, and remember what
// they were asked. With no answer left every dialog is cancelled.
class TestDialogs final : public Dialogs {
public:
    struct Request {
        bool save;
        std::string path;  // the proposed file, or the folder opened
        std::string filter;
        bool confirm;
    };
    // An empty optional stands for Cancel.
    void answer(std::optional<std::string> r) { answers_.push_back(std::move(r)); }
    const std::vector<Request>& requests() const { return requests_; }

    std::optional<std::string> saveFile(const std::string& proposed, const std::string& filter,
                                         bool confirm) override {
        requests_.push_back({true, proposed, filter, confirm});
        return next();
    }
    std::optional<std::string> openFile(const std::string& folder, const std::string& filter) override {
        requests_.push_back({false, folder, filter, false});
        return next();
    }

private:
    std::optional<std::string> next() {
        if (answers_.empty()) return std::nullopt;
        auto r = std::move(answers_.front());
        answers_.pop_front();
        return r;
    }
    std::deque<std::optional<std::string>> answers_;
    std::vector<Request> requests_;
};

}  // namespace zelvo
