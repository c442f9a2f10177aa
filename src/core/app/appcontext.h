#pragma once
// What main() owns and passes by reference to every window and operation: the program's
// services and the open document. Code that needs only one of them takes that one.

#include "core/app/opendocument.h"
#include "core/app/programservices.h"

namespace quillora {

class AppContext : public ProgramServices, public OpenDocument {
public:
    explicit AppContext(Environment environment, quint32 randomSeed = 1)
        : ProgramServices(std::move(environment), randomSeed)
    {
    }
};

} // namespace quillora
