#include "runtime/ActionControl.h"

#include "editor/CanvasSizeEvent.h"
#include "model/FourCodeText.h"
#include "model/StatusCodes.h"

#include <memory>

namespace kestrow::host {
namespace {

constexpr FourCode kDocumentClass = FourCC("Dcmn");
constexpr FourCode kPropertyClass = FourCC("Prpr");
constexpr FourCode kPixels = FourCC("#Pxl");
constexpr FourCode kPoints = FourCC("#Rlt");
constexpr FourCode kPixelsPerInch = FourCC("#Rsl");

struct Target {
    HostStatus status = 0;
    Document* document = nullptr;
    FourCode property = 0;  // 0: the whole object
};

// A reference the editor can answer: an optional property part of class
// 'Prpr', and an enumerated part naming the target document.
Target ResolveReference(Host& host, const Reference& reference)
{
    Target target;
    bool namesDocument = false;
    for (const auto& part : reference.Parts()) {
        if (part.form == ReferencePart::Form::Property) {
            if (part.classCode != kPropertyClass || target.property != 0) return Target{status::kNoSuchKey};
            target.property = part.key;
        } else {
            const bool isTarget = part.classCode == kDocumentClass && part.type == FourCC("Ordn") &&
                                  part.value == FourCC("Trgt");
            if (!isTarget) return Target{status::kNoSuchKey};
            namesDocument = true;
        }
    }
    if (!namesDocument) return Target{status::kNoSuchKey};
    target.document = host.documents.Target();
    if (!target.document) return Target{status::kNoDocument};
    return target;
}

double Points(int32_t pixels, double resolution) { return pixels * 72.0 / resolution; }

bool PutProperty(Descriptor& out, const Document& document, FourCode key)
{
    if (key == FourCC("Wdth")) out.PutUnitFloat(key, kPoints, Points(document.Width(), document.Resolution()));
    else if (key == FourCC("Hght")) out.PutUnitFloat(key, kPoints, Points(document.Height(), document.Resolution()));
    else if (key == FourCC("Rslt")) out.PutUnitFloat(key, kPixelsPerInch, document.Resolution());
    else if (key == FourCC("Ttl ")) out.PutString(key, document.Title());
    else if (key == FourCC("DocI")) out.PutInteger(key, document.Id());
    else return false;
    return true;
}

}  // namespace

HostStatus PlayEvent(Host& host, FourCode event, uintptr_t descriptorToken, int32_t dialogOption,
                     uintptr_t* resultToken)
{
    PlayedEvent played{event, 0, {}, {}, dialogOption};
    const Descriptor* descriptor = nullptr;
    if (descriptorToken != 0) {
        descriptor = host.handles.FindDescriptor(descriptorToken, "ActionControl.Play");
        if (!descriptor) {
            played.status = status::kBadHandle;
            played.reason = "the descriptor handle is not a live descriptor";
            host.events.push_back(played);
            return played.status;
        }
        played.items = descriptor->Items();
    }
    Document* document = host.documents.Target();
    CanvasSizePlan plan;
    if (event != kCanvasSizeEvent) {
        plan.status = status::kEventNotHandled;
        plan.reason = "the editor does not play '" + FourCodeText(event) + "'";
    } else if (!descriptor) {
        plan.status = status::kBadParameter;
        plan.reason = "the event came without a descriptor";
    } else if (!document) {
        plan.status = status::kNoDocument;
        plan.reason = "no document is open";
    } else {
        plan = PlanCanvasSize(*descriptor, *document);
    }
    played.status = plan.status;
    played.reason = plan.reason;
    if (plan.status == 0) {
        document->Apply(plan.change);
        host.history.Record(*document, plan.change);
        if (resultToken) {
            auto result = std::make_unique<Descriptor>();
            result->PutUnitFloat(FourCC("Wdth"), kPixels, plan.change.newWidth);
            result->PutUnitFloat(FourCC("Hght"), kPixels, plan.change.newHeight);
            *resultToken = host.handles.Add(std::move(result), HandleOwner::Plugin);
        }
    }
    host.events.push_back(std::move(played));
    return plan.status;
}

HostStatus GetReferenced(Host& host, uintptr_t referenceToken, uintptr_t* resultToken)
{
    if (!resultToken) return status::kBadParameter;
    const Reference* reference = host.handles.FindReference(referenceToken, "ActionControl.Get");
    if (!reference) return status::kBadHandle;
    const Target target = ResolveReference(host, *reference);
    if (target.status != 0) return target.status;
    auto result = std::make_unique<Descriptor>();
    const Document& document = *target.document;
    if (target.property != 0) {
        if (!PutProperty(*result, document, target.property)) return status::kNoSuchKey;
    } else {
        for (FourCode key : {FourCC("Ttl "), FourCC("DocI"), FourCC("Wdth"), FourCC("Hght"), FourCC("Rslt")})
            PutProperty(*result, document, key);
    }
    *resultToken = host.handles.Add(std::move(result), HandleOwner::Plugin);
    return 0;
}

HostStatus SuspendHistory(Host& host, uintptr_t referenceToken, SuspendedProc proc, ActionParameters* data,
                          uintptr_t nameToken)
{
    const Reference* reference = host.handles.FindReference(referenceToken, "ActionControl.SuspendHistory");
    if (!reference) return status::kBadHandle;
    if (!proc) return status::kBadParameter;
    std::string name = host.pluginName;
    if (nameToken != 0) {
        const NameValue* value = host.handles.FindName(nameToken, "ActionControl.SuspendHistory");
        if (!value) return status::kBadHandle;
        name = value->text;
    }
    const Target target = ResolveReference(host, *reference);
    if (target.status != 0) return target.status;
    if (target.property != 0) return status::kNoSuchKey;

    const bool opened = host.history.Begin(*target.document, name);
    proc(data);
    if (opened) host.history.End();
    return 0;
}

}  // namespace kestrow::host
