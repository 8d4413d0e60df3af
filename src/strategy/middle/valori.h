#pragma once
// Constants of the middle-game evaluation shared by its routines and tests.
namespace zelvo {

// What taking a trump card of strength value `valore` is worth; a plain trump
// is worth 60/39, or 0.5 when it is the computer's card in the answer case.
float valoreBriscola(int valore, bool cartinaMezzoPunto);

}  // namespace zelvo
