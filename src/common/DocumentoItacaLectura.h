#pragma once
// Carga de un documento ITACA: una pasada del lector en flujo de libxml2.
#include "common/DocumentoItacaDatos.h"

#include <filesystem>
#include <memory>

namespace molvaren {

std::unique_ptr<DocumentoItaca::Datos> LeerDocumentoItaca(const std::filesystem::path& fichero);

} // namespace molvaren
