#include "toolkit/Com.h"

#include <gtest/gtest.h>
#include <shlobj.h>

namespace {

// Counts its references; the object itself lives on the test's stack.
class CountedObject : public IUnknown {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (id != IID_IUnknown) {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    *object = this;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
  ULONG STDMETHODCALLTYPE Release() override { return --references; }
  ULONG references = 0;
};

toolkit::ComPtr<IUnknown> Adopt(CountedObject& object) {
  toolkit::ComPtr<IUnknown> pointer;
  object.QueryInterface(IID_IUnknown, reinterpret_cast<void**>(pointer.Put()));
  return pointer;
}

TEST(ComPtr, EveryReferenceTakenIsReleasedOnce) {
  CountedObject object;
  {
    toolkit::ComPtr<IUnknown> first = Adopt(object);
    EXPECT_EQ(object.references, 1u);
    toolkit::ComPtr<IUnknown> copy = first;
    EXPECT_EQ(object.references, 2u);
    toolkit::ComPtr<IUnknown> moved = std::move(copy);
    EXPECT_EQ(object.references, 2u);
    moved = first;
    EXPECT_EQ(object.references, 2u);
    toolkit::ComPtr<IUnknown> asked = first.As<IUnknown>();
    EXPECT_EQ(object.references, 3u);
    *asked.Put() = nullptr;
    EXPECT_EQ(object.references, 2u);
  }
  EXPECT_EQ(object.references, 0u);
}

TEST(ComInitialization, UninitialisesOnlyWhatItInitialised) {
  toolkit::ComInitialization outer;
  EXPECT_TRUE(outer.Succeeded());
  {
    toolkit::ComInitialization inner;  // S_FALSE: already initialised, still counted
    EXPECT_TRUE(inner.Succeeded());
  }
  // COM is still usable here: the inner guard undid only its own count.
  toolkit::ComPtr<IUnknown> link;
  EXPECT_EQ(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                               reinterpret_cast<void**>(link.Put())),
            S_OK);
}

}  // namespace
