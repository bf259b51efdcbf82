#include "X/Body/BodyLists.h"

#include <cstring>

#include "Drovane/DataPaths.h"
#include "Drovane/ErrorReport.h"
#include "X/Body/BodySwizzle.h"
#include "X/File/OpenIfClosed.h"
#include "X/Y/PascalString.h"

cBList<bBody>* gBodies = nullptr;
cBList<bPrivAnim>* gPrivAnims = nullptr;

namespace {

constexpr uint32_t kBodyType = 0x424F4443;       // 'BODC'
constexpr uint32_t kPrivAnimType = 0x414E4950;   // 'ANIP'
constexpr uint32_t kPartArrayType = 0x41524350;  // 'ARCP'
constexpr uint32_t kLookupArrayType = 0x41524C55;  // 'ARLU'
constexpr uint32_t kFrameArrayType = 0x41525050;   // 'ARPP'

// Makes the list's file and opens it by the path, then closes it again: false (with the
// "Program Error" box) when it does not open.
template <typename Item>
bool MakeList(cBList<Item>& list, const std::string& path, uint32_t type) {
  list.file = std::make_unique<ResFile>();
  if (list.file->IsOpen()) X_ASSERT("make a new resfile and then it's valid already?");
  if (list.file->Open(path.c_str()) != 0) {
    X_ASSERT("couldn't open file");
    ShowProgramError();
    list.file.reset();
    return false;
  }
  list.file->Close();
  list.type = type;
  return true;
}

// Loads one item from its handle and adds it to the list; an item refused on the way is
// deleted at once.
template <typename Item>
void LoadItem(cBList<Item>& list, Handle handle) {
  auto* item = new Item;
  const bool loaded = item->LoadFromHandle(handle, list.file.get(), list.type);
  if (loaded) item->InstallArrayPointers(true);
  if (!loaded || !list.Add(item)) delete item;
}

template <typename Item>
void LoadAllItems(cBList<Item>& list, uint32_t arrayType, int32_t entrySize, SwizzleProc swizzle,
                  uint32_t secondArrayType = 0, int32_t secondEntrySize = 0, SwizzleProc secondSwizzle = nullptr) {
  ResFile* file = list.file.get();
  if (!file) {
    X_ASSERT("must load bodies from a file?");
    return;
  }
  if (list.type == 0) X_ASSERT("must set type before loading");
  const bool openedHere = OpenIfClosed(file);
  if (!file->IsOpen()) return;
  Array2D::LoadAllOfType(file, arrayType, entrySize, swizzle);
  if (secondArrayType != 0) Array2D::LoadAllOfType(file, secondArrayType, secondEntrySize, secondSwizzle);
  const int32_t count = file->CountResources(list.type);
  for (int32_t index = 1; index <= count; ++index) {
    Handle handle = file->GetIndResource(list.type, index, SwizzleBBaseHeader);
    if (!handle) {
      X_ASSERT("couldn't load an indexed body");
      continue;
    }
    LoadItem(list, handle);
  }
  if (openedHere) file->Close();
}

}  // namespace

void LoadBodies() {
  char path[260];
  GetDataPath(kDataPeople, 0, "PrivAnim.df", path);
  LoadBodies(std::string(path));
}

void LoadBodies(const std::string& path) {
  DeleteAllBodies();
  gBodies = new cBList<bBody>;
  gPrivAnims = new cBList<bPrivAnim>;
  if (MakeList(*gBodies, path, kBodyType))
    LoadAllItems(*gBodies, kPartArrayType, kPartRecordSize, swizzlebodypart, kLookupArrayType,
                 bBody::kLookupEntrySize, swizzleanimlookup);
  if (!gBodies->file) return;
  if (MakeList(*gPrivAnims, path, kPrivAnimType))
    LoadAllItems(*gPrivAnims, kFrameArrayType, bPrivAnim::kFramePartSize, swizzlepartinfo);
}

void DeleteAllBodies() {
  if (gPrivAnims) gPrivAnims->DeleteItems();
  if (gBodies) gBodies->DeleteItems();
  delete gPrivAnims;
  delete gBodies;
  gPrivAnims = nullptr;
  gBodies = nullptr;
  Array2D::FreeAllLoaded();
}

bBody* FindBody(uint32_t nameCode) { return gBodies ? gBodies->FindByCode(nameCode) : nullptr; }

bPrivAnim* GetPrivAnim(const bBody* body, uint32_t key) {
  if (!body || !body->Lookup()) return nullptr;
  Array2D* lookup = body->Lookup();
  for (int32_t column = 0; column < lookup->Columns(); ++column) {
    const uint8_t* entry = lookup->Entry(0, column);
    if (ReadPartField<uint32_t>(entry, 0) != key) continue;
    const uint32_t code = ReadPartField<uint32_t>(entry, 4);
    bPrivAnim* anim = gPrivAnims ? gPrivAnims->FindByCode(code) : nullptr;
    if (!anim) X_ASSERT("couldn't get private animation");
    return anim;
  }
  return nullptr;
}
