// Reading the target document's width, height and resolution from the host,
// and the general routines beneath: one property of the target object, and
// one descriptor item of any type.
#include "ops/DocumentOps.h"

#include "params/CanvasState.h"
#include "shell/HostServices.h"

PlugStatus ReadDescriptorItem(ActionDescriptorHandle descriptor, FourCode key, void* output, void* extra)
{
    if (output == nullptr)
        return kStatusParameter;

    HostBool hasKey = 0;
    HostStatus status = descriptorSuite->HasKey(descriptor, key, &hasKey);
    if (status != 0)
        return Widen(status);
    if (!hasKey)
        return 0;

    FourCode type = 0;
    status = descriptorSuite->GetType(descriptor, key, &type);
    if (status != 0)
        return Widen(status);

    const ActionDescriptorSuite2* d = descriptorSuite;
    switch (type) {
    case FourCC("long"):
        return Widen(d->GetInteger(descriptor, key, static_cast<int32_t*>(output)));
    case FourCC("doub"):
        return Widen(d->GetFloat(descriptor, key, static_cast<double*>(output)));
    case FourCC("UntF"):
        if (extra == nullptr)
            return kStatusParameter;
        return Widen(d->GetUnitFloat(descriptor, key, static_cast<FourCode*>(extra), static_cast<double*>(output)));
    case FourCC("bool"):
        return Widen(d->GetBoolean(descriptor, key, static_cast<HostBool*>(output)));
    case FourCC("enum"):
        if (extra == nullptr)
            return kStatusParameter;
        return Widen(d->GetEnumerated(descriptor, key, static_cast<FourCode*>(extra), static_cast<FourCode*>(output)));
    case FourCC("type"):
    case FourCC("GlbC"):
        return Widen(d->GetClass(descriptor, key, static_cast<FourCode*>(output)));
    case FourCC("Objc"):
        if (extra == nullptr)
            return kStatusParameter;
        return Widen(d->GetObject(descriptor, key, static_cast<FourCode*>(extra), static_cast<ActionDescriptorHandle*>(output)));
    case FourCC("GlbO"):
        if (extra == nullptr)
            return kStatusParameter;
        return Widen(d->GetGlobalObject(descriptor, key, static_cast<FourCode*>(extra), static_cast<ActionDescriptorHandle*>(output)));
    case FourCC("obj "):
        return Widen(d->GetReference(descriptor, key, static_cast<ActionReferenceHandle*>(output)));
    case FourCC("VlLs"):
        return Widen(d->GetList(descriptor, key, static_cast<ActionListHandle*>(output)));
    case FourCC("alis"):
    case FourCC("Pth "):
        return Widen(d->GetAlias(descriptor, key, static_cast<AliasHandle*>(output)));
    case FourCC("TEXT"): {
        if (extra == nullptr)
            return kStatusParameter;
        uint32_t* length = static_cast<uint32_t*>(extra);
        status = d->GetStringLength(descriptor, key, length);
        if (status != 0)
            return Widen(status);
        return Widen(d->GetString(descriptor, key, static_cast<char*>(output), *length + 1));
    }
    default:
        return kStatusNotImplemented;
    }
}

PlugStatus GetDocumentProperty(FourCode classCode, FourCode key, void* output, void* extra)
{
    if (output == nullptr)
        return kStatusParameter;

    ActionReferenceHandle reference = nullptr;
    ActionDescriptorHandle result = nullptr;
    PlugStatus status = Widen(referenceSuite->Make(&reference));
    if (status == 0 && key != 0)
        status = Widen(referenceSuite->PutProperty(reference, FourCC("Prpr"), key));
    if (status == 0)
        status = Widen(referenceSuite->PutEnumerated(reference, classCode, FourCC("Ordn"), FourCC("Trgt")));
    if (status == 0)
        status = Widen(controlSuite->Get(&result, reference));
    if (status == 0) {
        if (key != 0) {
            status = ReadDescriptorItem(result, key, output, extra);
        } else {
            *static_cast<ActionDescriptorHandle*>(output) = result;
            result = nullptr; // the caller owns it now
        }
    }

    if (reference != nullptr)
        referenceSuite->Free(reference);
    if (result != nullptr)
        descriptorSuite->Free(result);
    return status;
}

void MeasureDocument(int32_t pixelFlag)
{
    CanvasState& s = gCanvasState;
    FourCode unit = FourCC("#Pxl");
    GetDocumentProperty(FourCC("Dcmn"), FourCC("Wdth"), &s.docWidth, &unit);
    GetDocumentProperty(FourCC("Dcmn"), FourCC("Hght"), &s.docHeight, &unit);
    GetDocumentProperty(FourCC("Dcmn"), FourCC("Rslt"), &s.resolution, &unit);

    if (s.resolution != 72.0 && pixelFlag != 0) {
        const double perPoint = 0.013888888888888888; // 1/72, multiplied in
        s.docWidth = (s.resolution * s.docWidth) * perPoint;
        s.docHeight = (s.resolution * s.docHeight) * perPoint;
    }
}
