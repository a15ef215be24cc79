#pragma once
/// @file
/// The base of every object that crosses a library boundary: result codes, reference
/// counting and asking an object for another of its interfaces by interface id.
///
/// An interface is a struct of pure virtual functions deriving from IUnknown, with its id
/// as the static member IID. The program and the libraries it loads are built with the
/// same compiler and standard library, so the virtual tables match on both sides.

#include <cstdint>
#include <utility>

#include "platform/com/guid.h"

namespace com {

/// A call's result: 0 or positive succeeded, negative failed.
using HRESULT = int32_t;

constexpr HRESULT MakeResult(uint32_t code) { return static_cast<HRESULT>(code); }
constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
constexpr bool FAILED(HRESULT hr) { return hr < 0; }

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOINTERFACE = MakeResult(0x80004002u);
inline constexpr HRESULT E_POINTER = MakeResult(0x80004003u);
inline constexpr HRESULT E_FAIL = MakeResult(0x80004005u);
inline constexpr HRESULT E_INVALIDARG = MakeResult(0x80070057u);
inline constexpr HRESULT E_UNEXPECTED = MakeResult(0x8000FFFFu);
inline constexpr HRESULT DISP_E_MEMBERNOTFOUND = MakeResult(0x80020003u);
inline constexpr HRESULT DISP_E_TYPEMISMATCH = MakeResult(0x80020005u);
inline constexpr HRESULT DISP_E_UNKNOWNNAME = MakeResult(0x80020006u);
inline constexpr HRESULT DISP_E_OVERFLOW = MakeResult(0x8002000Au);
inline constexpr HRESULT DISP_E_BADPARAMCOUNT = MakeResult(0x8002000Eu);
inline constexpr HRESULT CLASS_E_NOAGGREGATION = MakeResult(0x80040110u);
inline constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = MakeResult(0x80040111u);
inline constexpr HRESULT REGDB_E_CLASSNOTREG = MakeResult(0x80040154u);
inline constexpr HRESULT CONNECT_E_NOCONNECTION = MakeResult(0x80040200u);
inline constexpr HRESULT SELFREG_E_CLASS = MakeResult(0x80040201u);
inline constexpr HRESULT CO_E_CLASSSTRING = MakeResult(0x800401F3u);
inline constexpr HRESULT CO_E_DLLNOTFOUND = MakeResult(0x800401F8u);
inline constexpr HRESULT CO_E_ERRORINDLL = MakeResult(0x800401F9u);

/// Every interface derives from this one.
struct IUnknown {
    static constexpr Guid IID{0x6C0D0000, 0x7A11, 0x4E10, {0x9B, 0x01, 0, 0, 0, 0, 0, 0x01}};
    /// Stores in *@p out the object's interface @p iid, counted once more, and returns
    /// S_OK; or stores null and returns E_NOINTERFACE. E_POINTER for a null @p out.
    virtual HRESULT QueryInterface(const Guid& iid, void** out) = 0;
    /// Counts one more user; returns the new count (for tests only).
    virtual uint32_t AddRef() = 0;
    /// Counts one user less and destroys the object at zero; returns the new count.
    virtual uint32_t Release() = 0;

protected:
    ~IUnknown() = default;
};

/// Holds one counted reference to an interface and releases it when it goes.
template <class T>
class ComPtr {
public:
    ComPtr() = default;
    /// Takes a reference of its own to @p p.
    explicit ComPtr(T* p) : p_(p) {
        if (p_) p_->AddRef();
    }
    ComPtr(const ComPtr& o) : ComPtr(o.p_) {}
    ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    ComPtr& operator=(ComPtr o) noexcept {
        std::swap(p_, o.p_);
        return *this;
    }
    ~ComPtr() { reset(); }

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    T& operator*() const { return *p_; }
    explicit operator bool() const { return p_ != nullptr; }
    void reset() {
        if (auto* p = std::exchange(p_, nullptr)) p->Release();
    }
    /// Releases what is held and gives the slot for a call that hands out a reference.
    void** put() {
        reset();
        return reinterpret_cast<void**>(&p_);
    }
    /// The object's interface @p U, or an empty pointer.
    template <class U>
    ComPtr<U> As() const {
        ComPtr<U> other;
        if (p_) p_->QueryInterface(U::IID, other.put());
        return other;
    }

private:
    T* p_ = nullptr;
};

/// Implements IUnknown for a class of @p Interfaces: the count starts at 0, and
/// QueryInterface answers IUnknown and each listed interface.
template <class First, class... Rest>
class Object : public First, public Rest... {
public:
    HRESULT QueryInterface(const Guid& iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid == IUnknown::IID || iid == First::IID) {
            *out = static_cast<First*>(this);
        } else {
            (void)((iid == Rest::IID ? (*out = static_cast<Rest*>(this), true) : false) || ...);
        }
        if (!*out) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    uint32_t AddRef() override { return ++refs_; }
    uint32_t Release() override {
        const uint32_t left = --refs_;
        if (left == 0) delete this;
        return left;
    }

protected:
    Object() = default;
    virtual ~Object() = default;

private:
    uint32_t refs_ = 0;
};

/// Makes a @p T and hands out its interface @p iid, or destroys it again when it has none.
template <class T, class... Args>
HRESULT CreateObject(const Guid& iid, void** out, Args&&... args) {
    if (!out) return E_POINTER;
    ComPtr<T> made(new T(std::forward<Args>(args)...));
    return made->QueryInterface(iid, out);
}

}  // namespace com
