// Loading a body group: 400 bodies of 30 vertices, 50 faces and a BSP tree over their faces
// (12000 vertices and 20000 faces in all), written with the body writer. Reports the time of
// a load and how many reads of the file each load made.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Drovane/Arena.h"
#include "enginefiles/BodyWriter.h"
#include "enginefiles/ResourceFileWriter.h"
#include "pel3d/bodies/BodyRegistry.h"
#include "pel3d/files/EngineError.h"
#include "pel3d/files/ResourceGroup.h"
#include "pel3d/files/ResourceGroupLoader.h"
#include "pel3d/files/ResourceReader.h"

namespace {

constexpr int kBodies = 400;
constexpr int kVertices = 30;
constexpr int kFaces = 50;

// A ring of vertices with triangles over neighbouring vertices, and a balanced tree in
// which node k has nodes 2k + 1 and 2k + 2 as its subtrees, one node per face.
BodyDescription RingBody(uint32_t id) {
  BodyDescription body;
  body.id = id;
  body.radius = 10 << 16;
  for (int i = 0; i < kVertices; ++i) body.vertices.push_back({i << 16, (i * 7 % 11) << 16, (i * 3 % 5) << 16});
  for (int f = 0; f < kFaces; ++f) {
    FaceDescription face;
    face.corners = {f % kVertices, (f + 1) % kVertices, (f + 2) % kVertices};
    face.colour = static_cast<uint32_t>(f);
    face.type = static_cast<uint8_t>(f % 28);
    face.texCoords = {{0, 0}, {1 << 16, 0}, {0, 1 << 16}};
    body.faces.push_back(face);
  }
  body.hasBsp = true;
  for (int k = 0; k < kFaces; ++k) {
    const int first = 2 * k + 1 < kFaces ? 2 * k + 1 : -1;
    const int second = 2 * k + 2 < kFaces ? 2 * k + 2 : -1;
    body.bspNodes.push_back({static_cast<uint16_t>(k), {k, -k, 1, 2}, first, second});
  }
  body.bspRoot = 0;
  return body;
}

// The group's file, in a folder of its own that goes with the object.
class GroupFile {
public:
  GroupFile() {
    std::string pattern = (std::filesystem::temp_directory_path() / "halvorine-bench-XXXXXX").string();
    mFolder = mkdtemp(pattern.data());
    std::vector<BodyDescription> bodies;
    for (int i = 0; i < kBodies; ++i) bodies.push_back(RingBody(static_cast<uint32_t>(i + 1)));
    ResourceFileWriter writer;
    std::string error;
    mWritten = AddBodyGroup(writer, "CITY", bodies, error) && writer.Save(Path());
  }
  ~GroupFile() { std::filesystem::remove_all(mFolder); }
  GroupFile(const GroupFile&) = delete;
  GroupFile& operator=(const GroupFile&) = delete;

  bool Written() const { return mWritten; }
  std::string Path() const { return mFolder + "/CITY.ZEF"; }

private:
  std::string mFolder;
  bool mWritten = false;
};

void BM_LoadBodyGroup(benchmark::State& state) {
  CreateApplicationArenas();
  GroupFile file;
  if (!file.Written()) {
    state.SkipWithError("the group file could not be written");
    return;
  }
  uint64_t reads = 0;
  for (auto _ : state) {
    const uint32_t before = GetResourceReadCount();
    ResourceGroup* group = LoadResourceGroup(file.Path(), kGroupBodies, "CITY");
    reads += GetResourceReadCount() - before;
    if (!group) {
      state.SkipWithError(DescribeLastResourceError().c_str());
      break;
    }
    FreeResourceGroup(group);
  }
  CloseResourceFile();
  state.counters["reads per load"] = benchmark::Counter(static_cast<double>(reads), benchmark::Counter::kAvgIterations);
  state.SetItemsProcessed(state.iterations() * kBodies);
}
BENCHMARK(BM_LoadBodyGroup)->Unit(benchmark::kMillisecond);

}  // namespace
