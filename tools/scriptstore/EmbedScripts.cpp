// Writes the constant tables of the embedded script store: every file under
// data/ becomes an entry "/data/<relative path>" with its text and its size.
//
// usage: zorbix_embed_scripts <data dir> <list file> <output.cpp>
// The list file holds one path relative to the data dir per line. Entries are
// written sorted by path so that the tables never depend on the file system's
// order. The output is rewritten only when it changes.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

static bool readFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// A C++ string literal holding exactly these bytes. Octal escapes always take
// three digits so that a following digit is never swallowed.
static void writeLiteral(std::ostringstream& out, const std::string& bytes) {
    out << '"';
    int column = 0;
    for (unsigned char c : bytes) {
        if (c == '"' || c == '\\') {
            out << '\\' << c;
            column += 2;
        } else if (c >= 0x20 && c < 0x7F && c != '?') {
            out << c;
            column++;
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\%03o", c);
            out << buf;
            column += 4;
        }
        if (c == '\n' || column > 100) {
            out << "\"\n    \"";
            column = 0;
        }
    }
    out << '"';
}

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <data dir> <list file> <output.cpp>\n", argv[0]);
        return 2;
    }
    std::string dataDir = argv[1], listFile = argv[2], output = argv[3];

    std::string listText;
    if (!readFile(listFile, listText)) {
        std::fprintf(stderr, "cannot read %s\n", listFile.c_str());
        return 1;
    }
    std::vector<std::string> files;
    std::istringstream lines(listText);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty())
            files.push_back(line);
    std::sort(files.begin(), files.end());
    files.erase(std::unique(files.begin(), files.end()), files.end());

    std::ostringstream paths, texts, sizes, out;
    for (const std::string& rel : files) {
        std::string text;
        if (!readFile(dataDir + "/" + rel, text)) {
            std::fprintf(stderr, "cannot read %s/%s\n", dataDir.c_str(), rel.c_str());
            return 1;
        }
        if (text.size() > 0x7FFFFFFFu) {
            std::fprintf(stderr, "%s is too large to embed\n", rel.c_str());
            return 1;
        }
        paths << "    ";
        writeLiteral(paths, "/data/" + rel);
        paths << ",\n";
        texts << "    ";
        writeLiteral(texts, text);
        texts << ",\n";
        sizes << "    " << text.size() << "u,\n";
    }

    out << "// Generated from the files under data/ by zorbix_embed_scripts: do not edit.\n"
        << "#include \"script/LuaScriptData.h\"\n\n"
        << "const char* const luaScriptPaths[] = {\n"
        << paths.str() << "    nullptr\n};\n\n"
        << "const char* const luaScriptTexts[] = {\n"
        << texts.str() << "    nullptr\n};\n\n"
        << "const unsigned int luaScriptSizes[] = {\n"
        << sizes.str() << "    0u\n};\n";

    std::string previous;
    if (readFile(output, previous) && previous == out.str())
        return 0;
    std::ofstream file(output, std::ios::binary | std::ios::trunc);
    file << out.str();
    file.close();
    if (!file) {
        std::fprintf(stderr, "cannot write %s\n", output.c_str());
        return 1;
    }
    return 0;
}
