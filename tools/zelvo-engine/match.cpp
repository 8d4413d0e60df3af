// zelvo-engine match: whole games through the real flow on the virtual clock.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>

#include "commands.h"
#include "platform/files.h"
#include "records/archive.h"
#include "session/simulation.h"
#ifdef ZELVO_HAVE_MEDIA
#include <memory>

#include "platform/media.h"
#include "platform/media/mixer.h"
#endif

namespace zelvo::engine {

int match(const std::vector<std::string>& args) {
    SimulationSettings settings;
    settings.set(GameEnd::LastTrick);
    long long games = 1;
    // Every game of the run as a saved-game file, named as the game names them.
    std::string saveDir;
#ifdef ZELVO_HAVE_MEDIA
    // Everything the five players would sound, each clip at its virtual time, into one WAV file.
    std::string audioOut, audioData;
#endif
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) != 0 || i + 1 >= args.size()) {
            std::cerr << "zelvo-engine match: unexpected argument '" << a << "'\n";
            return 2;
        }
        const std::string key = a.substr(2), value = args[++i];
        if (key == "save") {
            saveDir = value;
            continue;
        }
#ifdef ZELVO_HAVE_MEDIA
        if (key == "audio-out" || key == "audio-data") {
            (key == "audio-out" ? audioOut : audioData) = value;
            continue;
        }
#endif
        try {
            if (key == "games") {
                games = std::stoll(value);
                if (games < 1) throw std::invalid_argument("games");
                continue;
            }
            if (key == "seed") {
                settings.seed = std::stoull(value);
                continue;
            }
        } catch (const std::exception&) {
            std::cerr << "zelvo-engine match: --" << key << " needs a positive whole number, not '" << value << "'\n";
            return 2;
        }
        if (key == "human") {
            if (value != "random") {
                std::cerr << "zelvo-engine match: the only human policy is 'random'\n";
                return 2;
            }
            continue;
        }
        if (!optionFromWord(settings, key, value)) {
            std::cerr << "zelvo-engine match: --" << key << " does not take '" << value << "'\n";
            return 2;
        }
    }

    nlohmann::ordered_json audioInfo;
    long long pcWins = 0, hWins = 0, draws = 0, tricks = 0, sumPC = 0, sumH = 0;
    const auto start = std::chrono::steady_clock::now();
    try {
        Simulation sim(settings);
#ifdef ZELVO_HAVE_MEDIA
        std::unique_ptr<media::Mixer> mixer;
        std::unique_ptr<media::WavSink> sink;
        std::unique_ptr<media::VirtualPlayers> player;
        std::unique_ptr<MediaLog> registro;
        if (!audioOut.empty()) {
            sink = std::make_unique<media::WavSink>(audioOut);
            if (!sink->ok()) {
                std::cerr << "zelvo-engine match: cannot write '" << audioOut << "'\n";
                return 1;
            }
            media::PathMap pathMap = media::defaultPath;
            if (!audioData.empty())
                pathMap = [audioData](const std::string& p) { return media::pathBelow(audioData, p); };
            mixer = std::make_unique<media::Mixer>(pathMap);
            auto ora = [&sim] { return sim.headless.scheduler.nowMs(); };
            player = std::make_unique<media::VirtualPlayers>(*mixer, *sink, ora);
            registro = std::make_unique<MediaLog>(ora, player.get());
            sim.headless.platform.media = registro.get();
        }
#endif
        std::unique_ptr<FileSystem> saves;
        if (!saveDir.empty()) {
            saves = std::make_unique<FileSystem>(DataRoots{{}, saveDir});
            if (!saves->makeFolder(saveDir)) {
                std::cerr << "zelvo-engine match: cannot make the folder '" << saveDir << "'\n";
                return 1;
            }
        }
        for (long long g = 0; g < games; ++g) {
            const GameResult r = sim.playGame();
            if (r.winner == Who::PC) ++pcWins;
            else if (r.winner == Who::H) ++hWins;
            else ++draws;
            tricks += r.tricks;
            sumPC += r.pointsPC;
            sumH += r.pointsH;
            if (saves) {
                const std::string name = sim.session.archive.proposedName();
                const std::string file = saveDir + "/" + name.substr(name.find_last_of('\\') + 1);
                if (!saves->write(file, formats::writeGame(recordedGame(sim.session.m.data)))) {
                    std::cerr << "zelvo-engine match: cannot write '" << file << "'\n";
                    return 1;
                }
            }
        }
#ifdef ZELVO_HAVE_MEDIA
        if (player) {
            // The end-of-game remark and the noises still sounding finish before the file ends.
            sim.headless.scheduler.advance(6000);
            player->advanceTo(sim.headless.scheduler.nowMs());
            sim.headless.platform.media = nullptr;
            if (!sink->close()) {
                std::cerr << "zelvo-engine match: cannot write '" << audioOut << "'\n";
                return 1;
            }
            nlohmann::ordered_json clips = nlohmann::ordered_json::array();
            for (auto l : {Player::mmcRumori, Player::mmcBrano, Player::mmcBandiera})
                for (auto& [ms, file] : registro->playedWithTime(l))
                    clips.push_back({{"ms", ms}, {"player", playerNameOf(l)}, {"file", file}});
            std::stable_sort(clips.begin(), clips.end(), [](const auto& a, const auto& b) {
                return a["ms"].template get<int64_t>() < b["ms"].template get<int64_t>();
            });
            audioInfo["file"] = audioOut;
            audioInfo["seconds"] = static_cast<double>(sink->framesWritten()) / media::SAMPLE_RATE;
            audioInfo["clips"] = clips;
        }
#endif
    } catch (const StuckGame& e) {
        std::cerr << "zelvo-engine match: " << e.what() << "\n";
        return 1;
    }
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    nlohmann::ordered_json out;
    out["games"] = games;
    out["pcWins"] = pcWins;
    out["hWins"] = hWins;
    out["draws"] = draws;
    out["meanPointsPC"] = static_cast<double>(sumPC) / games;
    out["meanPointsH"] = static_cast<double>(sumH) / games;
    out["tricks"] = tricks;
    out["gamesPerSecond"] = secs > 0 ? games / secs : 0.0;
    if (!audioInfo.is_null()) out["audio"] = audioInfo;
    std::cout << out.dump() << "\n";
    return 0;
}

}  // namespace zelvo::engine
