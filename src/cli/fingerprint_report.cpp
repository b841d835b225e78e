#include "cli/fingerprint_report.h"

#include <cstdio>

#include "core/acting/recognition.h"

namespace tavo::cli {
namespace {

constexpr int kSampleStep = 2;  // the fingerprint reads every second pixel both ways

// The block as ExecuteInstruction cuts it: the recognition point is its centre.
Picture BlockAt(const Picture& client, const FingerprintQuery& query) {
    const ClientPoint offset = BlockOffset(query.base);
    return CutBlock(client, query.x - offset.x, query.y - offset.y, kBlockSide, kBlockSide,
                    query.base);
}

ClientPoint BlockCorner(const Picture& client, const FingerprintQuery& query) {
    const ClientPoint offset = BlockOffset(query.base);
    return ToClientPoint(query.x - offset.x, query.y - offset.y, query.base, client.width,
                         client.height);
}

void PrintPlace(const Picture& client, const FingerprintQuery& query, std::ostream& out) {
    const ClientPoint corner = BlockCorner(client, query);
    out << "image: " << client.width << " x " << client.height << "\n";
    out << "block: x " << corner.x << ".." << corner.x + kBlockSide - 1 << ", y " << corner.y
        << ".." << corner.y + kBlockSide - 1 << "\n";
    const bool inside = client.Contains(corner.x, corner.y) &&
                        client.Contains(corner.x + kBlockSide - 1, corner.y + kBlockSide - 1);
    if (!inside) out << "note: part of the block lies outside the image; it reads as black\n";
}

// Rows are y and columns x, as the image shows; the fingerprint runs down each column
// (x outer, y inner), so its bits are laid out the same way beside the samples.
void PrintSamples(const Picture& block, const std::string& fingerprint, std::ostream& out) {
    const int perSide = kBlockSide / kSampleStep;
    out << "brightness samples (rows y 0..10, columns x 0..10, step 2)";
    out << (fingerprint.empty() ? "\n" : "   bits\n");
    for (int row = 0; row < perSide; ++row) {
        for (int column = 0; column < perSide; ++column) {
            char cell[8];
            const int sample = Brightness(block.At(column * kSampleStep, row * kSampleStep));
            std::snprintf(cell, sizeof cell, "%4d", sample);
            out << cell;
        }
        if (!fingerprint.empty()) {
            out << "   ";
            for (int column = 0; column < perSide; ++column)
                out << fingerprint[static_cast<std::size_t>(column * perSide + row)];
        }
        out << "\n";
    }
}

bool PrintComparison(const Picture& block, const std::string& fingerprint,
                     const std::string& stored, std::ostream& out) {
    const bool matches = PictureMatches(block, stored);
    if (fingerprint.empty()) {
        out << "against " << stored << ": no match (an empty fingerprint never matches)\n";
        return matches;
    }
    out << "against " << stored << ": " << AgreeingPositions(fingerprint, stored) << " of "
        << fingerprint.size() << " positions agree (" << AgreementPercent(fingerprint, stored) << "%): "
        << (matches ? "match" : "no match") << " (more than " << kMatchPercent << "% needed)\n";
    return matches;
}

}  // namespace

bool IsFingerprintText(const std::string& bits) {
    return bits.size() == static_cast<std::size_t>(kFingerprintLength) &&
           bits.find_first_not_of("01") == std::string::npos;
}

bool ReportFingerprint(const Picture& client, const FingerprintQuery& query, std::ostream& out) {
    const Picture block = BlockAt(client, query);
    const std::string fingerprint = Fingerprint(block);
    PrintPlace(client, query, out);
    PrintSamples(block, fingerprint, out);
    if (fingerprint.empty())
        out << "fingerprint: empty (too little contrast: recognition here never matches)\n";
    else
        out << "fingerprint: " << fingerprint << "\n";
    return !query.against || PrintComparison(block, fingerprint, *query.against, out);
}

}  // namespace tavo::cli
