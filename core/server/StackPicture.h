// The stack picture of the command window: a script stores a text form of the stack in the
// calculator variable $$$t, the program fetches it and decodes it into up to seven lines.
#pragma once
#include <string>
#include <vector>

namespace lw {
class TXModemServer;
}

namespace lw {

// The command line that stores the stack's texts in $$$t (display form).
std::string StackScript();

// Decodes the fetched object file (8-byte header, then the list of strings) into the lines of
// the picture: the deepest of the last seven levels first, each "<level>: <text>", strings
// between double quotes. An empty list, or data that is not such a list, gives no lines.
std::vector<std::string> DecodeStackPicture(const std::string& objectFile);

// Runs the script, fetches $$$t, decodes it and purges $$$t again (also when the fetch
// failed). `ok` tells whether the fetch succeeded.
std::vector<std::string> ReadStackPicture(TXModemServer& server, bool& ok);

} // namespace lw
