#pragma once
// Files as the game sees them: whole files read and written at once, every write
// atomic, and the one mapping from the game's fixed data root
// ("C:\Programmi\Zelvo\Dati\ZlvImpo.txt") to the real file on this machine.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

// Where the data root lies on this machine.
struct RadiciDati {
    // Read-only content (cards, pictures, sounds, music, ZlvOpzio.txt), in order of preference.
    std::vector<std::string> contenuto;
    // The user's own files: Dati and Archivio live below it.
    std::string utente;

    // The installed data folder, or the build tree when the program runs from it;
    // the user's folder under $XDG_DATA_HOME/zelvo (default ~/.local/share/zelvo).
    static RadiciDati diSistema();
};

class FileSystem {
public:
    explicit FileSystem(RadiciDati radici) : radici_(std::move(radici)) {}
    virtual ~FileSystem() = default;

    // The whole content of a real file; nothing when it is missing or unreadable.
    virtual std::optional<std::string> leggi(const std::string& percorso);
    // Replaces the file with `contenuto`: a temporary file in the same folder is
    // written, flushed and renamed over the old one. On failure the old file is
    // left as it was and the result is false.
    virtual bool scrivi(const std::string& percorso, std::string_view contenuto);
    // A byte copy of a file (to put a damaged file aside); false on failure.
    virtual bool copia(const std::string& da, const std::string& a);
    virtual bool esiste(const std::string& percorso);
    // The names in a folder (files and folders), empty when it cannot be listed.
    virtual std::vector<std::string> elenco(const std::string& cartella);
    // Creates a folder and its parents; true when it exists afterwards.
    virtual bool creaCartella(const std::string& cartella);

    // The real file of a path of the game's data root. Names are matched without
    // regard to letter case; a name found nowhere keeps the spelling given, so a
    // file the game creates gets exactly the name it gives. Dati and Archivio are
    // the user's; everything else is read-only content. A path outside the data
    // root is taken as a real path already.
    std::string reale(std::string_view percorsoGioco);
    // A real path for writing: as `reale`, and the user's Dati and Archivio
    // folders are created first.
    std::string realePerScrivere(std::string_view percorsoGioco);

    const RadiciDati& radici() const { return radici_; }

protected:
    // The steps of an atomic write, so that a test can make one of them fail.
    enum class Passo { Apri, Scrivi, Svuota, Rinomina };
    // False makes the step fail (the default never does).
    virtual bool permetti(Passo) { return true; }

private:
    // `parti` below `base`, each name matched without regard to case.
    std::string risolvi(const std::string& base, const std::vector<std::string>& parti);
    RadiciDati radici_;
};

// "C:\Programmi\Zelvo\Dati\ZlvImpo.txt" → {"Dati", "ZlvImpo.txt"}; nothing
// when the text does not start with the data root.
std::optional<std::vector<std::string>> partiDelPercorso(std::string_view percorsoGioco);

}  // namespace zelvo
