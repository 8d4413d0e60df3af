// Silent stand-ins for the commentary, noises and music until the sound lands.
#include "audio/commento.h"
#include "audio/musica.h"
#include "audio/rumori.h"
#include "ui/principale.h"

namespace zelvo {

void Commento::DistribuzioneCarte() {}
void Commento::CommentaPresa() {}
void Commento::AvviaImpazienza() {}
void Commento::AvviaImpazienzaDopoPesca() {}
void Commento::FermaImpazienza() {
    w_.t.TimerImpazienza.disable();
    w_.m.suoni.lblContaImpaz = 0;
}
void Commento::AvviaCommentiFinali() {}
void Commento::FermaCommentiFinali() { w_.t.TimerCommentiFinali.disable(); }
void Commento::TimerImpazienza_Timer() {}
void Commento::TimerFineImpazienza_Timer() {}
void Commento::TimerFinisciCommento_Timer() {}
void Commento::TimerInterdiciSuoni_Timer() {}
void Commento::TimerDurataCommentoFinale_Timer() {}
void Commento::TimerCommentiFinali_Timer() {}

void Rumori::SuonaCarta() {}
void Rumori::SuonaDistribuzione() {}
void Rumori::SuonaPresa() {}
void Rumori::TimerFineRumoreCarte_Timer() {}

void Musica::MusicaDistribuzione() {}
void Musica::InnoItaliano() { w_.t.TimerBandiera.enable(); }
void Musica::InnoInglese() { w_.t.TimerBandiera.enable(); }
void Musica::RipristinaTitolo() {}
void Musica::ChiudiInno() {}
void Musica::TimerFermaBrano_Timer() {}
void Musica::TimerFrequenzaMusica_Timer() {}
void Musica::TimerIniziaInno_Timer() {}

}  // namespace zelvo
