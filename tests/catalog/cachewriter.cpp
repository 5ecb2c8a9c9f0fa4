// Rewrites the station cache for ever, alternating between two documents. The crash-safety
// test of the store kills it at random moments and then inspects what is on disk.
#include "catalog/stationstore.h"

#include "fakehostresolver.h"
#include "fakehttpclient.h"

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fputs("usage: catalog_cache_writer FOLDER FIRST.json SECOND.json\n", stderr);
        return 2;
    }
    std::string documents[2];
    for (int i = 0; i < 2; ++i) {
        std::ifstream stream(argv[2 + i], std::ios::binary | std::ios::ate);
        documents[i].resize(stream ? static_cast<std::size_t>(stream.tellg()) : 0);
        stream.seekg(0);
        stream.read(documents[i].data(), static_cast<std::streamsize>(documents[i].size()));
    }
    Vello::FakeHttpClient http;
    Vello::FakeHostResolver resolver;
    Vello::StationStore store(http, resolver,
        Vello::CatalogSource {.documentUrl = "https://catalog.example/stations_filtered.json"}, argv[1]);
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    for (unsigned round = 1;; ++round) {
        store.load([](const Vello::StationsResult&) {});
        http.respond(Vello::HttpResponse {200, documents[round % 2]});
    }
}
