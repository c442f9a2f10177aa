#pragma once
// The program's entry: builds the application context, runs start-up and the event loop.

namespace quillora {

int runApplication(int argc, char *argv[]);

} // namespace quillora
