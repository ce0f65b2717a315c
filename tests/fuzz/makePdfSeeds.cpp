// Writes the hostile seeds of fuzz_pdf into the folder named: forms nested 30 deep, an image
// of 65536 x 65536 pixels in a few bytes, a path of 100,000 segments and 400,000 saved
// states (each file within the fuzzer's 1 MB inputs, whole with its cross-reference table),
// a missing page, a missing image and a page size of 400 digits, each for page 1 (the first
// byte of an input picks the page).
#include <fstream>
#include <string>

#include "tests/support/HostilePdfs.h"

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    const std::string folder = argv[1];
    const std::pair<const char*, std::string> seeds[] = {{"nested", hostilepdf::NestedForms()},
                                                         {"huge-image", hostilepdf::HugeImage()},
                                                         {"long-path", hostilepdf::LongPath(100000)},
                                                         {"saves", hostilepdf::NestedSaves(400000)},
                                                         {"missing-page", hostilepdf::MissingSecondPage()},
                                                         {"missing-image", hostilepdf::MissingImage()},
                                                         {"endless-box", hostilepdf::EndlessMediaBox()}};
    for (const auto& seed : seeds) {
        std::ofstream out(folder + "/" + seed.first, std::ios::binary);
        out << '\0' << seed.second;
        if (!out)
            return 1;
    }
    return 0;
}
