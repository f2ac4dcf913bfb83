// Catálogo de textos: parte de metodos. Se incluye desde model/textos.h.
#pragma once

namespace vertana::textos {

} // namespace vertana::textos
