#include "app/qt_dialogs.h"

#include <QFileDialog>
#include <QString>

namespace zelvo {

namespace {

// "File di testo (*.txt)|*.txt" (description, bar, patterns) as Qt writes it: "File di testo (*.txt)".
QString filtroQt(const std::string& filtro) {
    const QString f = QString::fromStdString(filtro);
    const int bar = f.indexOf('|');
    if (bar < 0) return f;
    const QString descrizione = f.left(bar), modelli = f.mid(bar + 1).replace(';', ' ');
    return descrizione.contains('(') ? descrizione : descrizione + " (" + modelli + ")";
}

std::optional<std::string> risposta(const QString& scelto) {
    if (scelto.isEmpty()) return std::nullopt;  // cancelled
    return scelto.toStdString();
}

}  // namespace

// Qt's own dialogs, not the desktop's: they speak Italian with Qt's translations, whatever the desktop's language.
std::optional<std::string> QtDialogs::saveFile(const std::string& proposta, const std::string& filtro,
                                                bool conferma) {
    QFileDialog::Options opzioni = QFileDialog::DontUseNativeDialog;
    if (!conferma) opzioni |= QFileDialog::DontConfirmOverwrite;
    return risposta(QFileDialog::getSaveFileName(nullptr, "Salva il Gioco", QString::fromStdString(proposta),
                                                 filtroQt(filtro), nullptr, opzioni));
}

std::optional<std::string> QtDialogs::openFile(const std::string& cartella, const std::string& filtro) {
    return risposta(QFileDialog::getOpenFileName(nullptr, QString::fromUtf8("Apri un Gioco già salvato"),
                                                 QString::fromStdString(cartella), filtroQt(filtro), nullptr,
                                                 QFileDialog::DontUseNativeDialog));
}

}  // namespace zelvo
