#pragma once
// The media players of the two windows: five independent instances, each driven
// only by writing a file name and a command ("Close", "Open", "Prev", "Play").
// Nothing is ever read back; the callers time every clip with their own timers.
// Platform::media may be null: then every sound is silence.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zelvo {

enum class Player { mmcRumori, mmcBrano, mmcBandiera, mmcUscita, mmcSigla };
constexpr int PLAYER_COUNT = 5;

// "mmcRumori" ... "mmcSigla".
const char* playerNameOf(Player l);

class MediaPlayers {
public:
    virtual ~MediaPlayers() = default;
    // The path of the file the next "Open" opens; the empty text is allowed.
    virtual void FileName(Player l, const std::string& path) = 0;
    // "Close", "Open", "Prev" or "Play"; "Play" returns at once. Any other text does nothing.
    virtual void Command(Player l, const std::string& command) = 0;
};

// A player that only keeps what it was told, in order, with the time it was told
// (from the given clock in ms; 0 without one), and passes it on to another player
// when given one. For tests, and for the match tool's list of clips.
class MediaLog final : public MediaPlayers {
public:
    struct Entry {
        int64_t ms = 0;
        Player player = Player::mmcRumori;
        bool command = false;  // false: a FileName
        std::string value;
        bool operator==(const Entry&) const = default;
    };

    explicit MediaLog(std::function<int64_t()> clock = {}, MediaPlayers* forward = nullptr)
        : clock_(std::move(clock)), forward_(forward) {}

    void FileName(Player l, const std::string& path) override;
    void Command(Player l, const std::string& command) override;

    const std::vector<Entry>& entries() const { return entries_; }
    void clear() { entries_.clear(); }
    // The files that were started ("Play") on a player, in order: each is the FileName
    // in force at that "Play".
    std::vector<std::string> played(Player l) const;
    // The same with the virtual time of each "Play".
    std::vector<std::pair<int64_t, std::string>> playedWithTime(Player l) const;
    // The commands alone given to a player, in order.
    std::vector<std::string> commands(Player l) const;

private:
    std::function<int64_t()> clock_;
    MediaPlayers* forward_;
    std::vector<Entry> entries_;
};

}  // namespace zelvo
