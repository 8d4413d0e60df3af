#pragma once
// The archive's save and open dialogs, as the desktop draws them.
#include "platform/dialogs.h"

namespace zelvo {

class QtDialogs final : public Dialogs {
public:
    std::optional<std::string> saveFile(const std::string& proposta, const std::string& filtro,
                                         bool confermaSovrascrittura) override;
    std::optional<std::string> openFile(const std::string& cartella, const std::string& filtro) override;
};

}  // namespace zelvo
