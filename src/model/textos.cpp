#include "model/textos.h"

namespace vertana::textos {

std::string DebeIntroducirNumeroEn(const std::string& campo)
{
    return "Debe introducir un número en " + campo;
}

} // namespace vertana::textos
