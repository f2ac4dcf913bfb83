// Catálogo de textos: parte de dialogos. Se incluye desde model/textos.h.
#pragma once

namespace vertana::textos {

} // namespace vertana::textos
