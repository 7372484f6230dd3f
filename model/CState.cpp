#include "model/CState.h"

#include "base/Translation.h"
#include "model/KindInfo.h"

#include <array>
#include <optional>
#include <wx/intl.h>
#include <wx/listimpl.cpp>

WX_DEFINE_LIST(CStateList);
WX_DEFINE_LIST(IDList);

namespace {
int g_blockIdCounter = 0;

wxString Translated(const char* key)
{
    return Tr(key);
}

// What every block of a kind starts with, made once per kind: an undo rebuilds thousands of blocks.
// The catalogue is chosen at start-up, before the first block.
struct KindTexts
{
    wxString defaultName;
    wxString kindWord;
};
const KindTexts& TextsOf(const KindInfo& kind)
{
    static std::array<std::optional<KindTexts>, kKindCount> texts;
    std::optional<KindTexts>& entry = texts[static_cast<size_t>(kind.id)];
    if (!entry)
        entry = KindTexts{kind.nameFromCatalogue ? Translated(kind.defaultNameKey) : wxString(kind.defaultNameKey),
                          wxString(kind.kindWord)};
    return *entry;
}

// The pictures of a kind as the installed store gives them, asked once per store.
struct KindPictures
{
    ImageHandle icon, main, on, off;
};
const KindPictures& PicturesOf(const KindInfo& kind, ImageStore& store)
{
    static std::array<std::optional<KindPictures>, kKindCount> pictures;
    static unsigned generation = 0;
    if (generation != ImageStoreGeneration()) {
        pictures.fill(std::nullopt);
        generation = ImageStoreGeneration();
    }
    std::optional<KindPictures>& entry = pictures[static_cast<size_t>(kind.id)];
    if (!entry) {
        const wxString file = kind.imageFile;
        const wxString stem = "Img/State/" + file.BeforeLast('.');
        const wxString ext = file.AfterLast('.');
        entry = KindPictures{ImageHandle(), ImageHandle(), store.Load(stem + "_on." + ext),
                             store.Load(stem + "_off." + ext)};
        if (kind.category != Category::LinkPiece) {
            entry->icon = store.Load("Img/State/icons/" + file);
            entry->main = store.Load("Img/State/" + file);
        }
    }
    return *entry;
}

// Mask bits of the connector on the side of an exit side code: top and left are entries (2),
// bottom and right exits (1), as the connector operations write them.
int ExitConnectorBits(int code)
{
    switch (code) {
    case Direction::Down:
        return 1 << Connector::BottomShift;
    case Direction::Up:
        return 2 << Connector::TopShift;
    case Direction::Right:
        return 1 << Connector::RightShift;
    case Direction::Left:
        return 2 << Connector::LeftShift;
    }
    return 0;
}
int ExitFieldMask(int code)
{
    const int shift = Connector::ShiftOfDirection(code);
    return shift < 0 ? 0 : 3 << shift;
}

// The side of block a on which block b lies, as a side-set bit.
int SideToward(const CState& a, const CState& b)
{
    if (a.GetX() == b.GetX())
        return b.GetY() < a.GetY() ? SideSet::Top : SideSet::Bottom;
    return b.GetX() > a.GetX() ? SideSet::Right : SideSet::Left;
}
int OppositeSide(int side)
{
    switch (side) {
    case SideSet::Top:
        return SideSet::Bottom;
    case SideSet::Bottom:
        return SideSet::Top;
    case SideSet::Left:
        return SideSet::Right;
    case SideSet::Right:
        return SideSet::Left;
    }
    return 0;
}
} // namespace

int NextBlockId()
{
    return ++g_blockIdCounter;
}

CState::CState(const KindInfo& kind, int category, int connectorMask)
    : CGraphicState(connectorMask), m_kind(kind), m_category(category)
{
    const KindTexts& texts = TextsOf(kind);
    m_defaultName = texts.defaultName;
    m_name = m_defaultName;
    m_kindWord = texts.kindWord;
    for (auto& list : m_compatible)
        list.DeleteContents(true);
    m_hasParameter = kind.parameterIndex >= 0;
    m_parameterIndex = kind.parameterIndex;
    m_parameterMinimum = kind.minimum;
    m_parameterMaximum = kind.maximum;
    LoadImages(connectorMask);
}

CState::~CState() = default;

void CState::InitClone(const CState& source)
{
    m_x = source.m_x;
    m_y = source.m_y;
    m_prototypeId = source.m_prototypeId;
    m_cloneSource = const_cast<CState*>(&source);
}

bool CState::IsParameterOn() const
{
    return m_hasParameter && GetParameterValue() != 0;
}

int CState::GetParameterValue() const
{
    return (m_parameterIndex == 0 || m_parameterIndex == 1) ? m_parameterValues[m_parameterIndex] : 0;
}

void CState::SetParameterValue(int value)
{
    if (m_parameterIndex == 0 || m_parameterIndex == 1)
        m_parameterValues[m_parameterIndex] = value;
}

void CState::LoadImages(int mask)
{
    const bool link = IsLinkPiece();
    LoadTiles(mask, link);
    ImageStore* store = GetImageStore();
    const KindPictures* pictures = store ? &PicturesOf(m_kind, *store) : nullptr;
    if (!link) {
        SetPaletteIcon(pictures ? pictures->icon : ImageHandle());
        SetMainImage(pictures ? pictures->main : ImageHandle());
        m_linkTile = false;
    }
    if (pictures)
        SetStateImages(pictures->on, pictures->off);
    m_connectorMask = mask;
    m_drawnShape = mask;
}

wxString CState::GetDisplayName() const
{
    return m_kind.nameFromCatalogue ? Translated(m_kind.defaultNameKey) : wxString(m_kind.defaultNameKey);
}

wxString CState::GetKindWord() const
{
    return m_kind.fileWordTranslated ? Translated(m_kind.kindWord) : wxString(m_kind.kindWord);
}

// Appends a decimal int; the project writer calls Describe for every block, so no formatting.
static void AppendInt(wxString& text, int value)
{
    wchar_t digits[12];
    wchar_t* end = digits + 12;
    wchar_t* p = end;
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
        *--p = static_cast<wchar_t>(L'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (value < 0)
        *--p = L'-';
    text.append(p, end - p);
}

wxString CState::Describe() const
{
    wxString text = L"State ";
    text += GetKindWord();
    if (m_half)
        text += L"Half";
    text += L": Position:";
    AppendInt(text, m_x);
    text += L',';
    AppendInt(text, m_y);
    if (m_hasParameter) {
        text += L".Param: '";
        text += m_parameterText;
        text += L"'. Name: ";
        text += ResolvedName();
        if (IsCondition()) {
            text += L". Cond: ";
            text += ConditionCode();
        } else if (m_category != Category::Variable) {
            text += L' ';
        }
    } else if (IsLinkPiece()) {
        text += L".BGtype: ";
        AppendInt(text, m_connectorMask);
    }
    return text;
}

wxString CState::GetLabel() const
{
    if (IsLinkPiece())
        return wxString();
    if (!m_hasParameter)
        return ResolvedName();
    if (IsCondition())
        return wxString::Format("%s %s %s ?", ResolvedName(), m_conditionOperator, m_parameterText);
    return wxString::Format("%s = %s.", ResolvedName(), m_parameterText);
}

wxString CState::GetConfigurationTitle() const
{
    if (IsLinkPiece())
        return wxString();
    return wxString::Format(Tr("Configuration %s "), ResolvedName());
}

wxString CState::GetPrompt() const
{
    const CState* prototype = Prototype();
    switch (m_kind.prompt) {
    case PromptKind::None:
        return wxString();
    case PromptKind::Fixed:
        return Tr(m_kind.question);
    case PromptKind::Untranslated:
        return Tr(m_kind.question);
    case PromptKind::Range:
    case PromptKind::Angle:
        return wxString::Format(Tr(m_kind.question), prototype->m_parameterMinimum, prototype->m_parameterMaximum);
    case PromptKind::ServoAngle:
        if (prototype->m_calibrationModeBits & 2)
            return wxString::Format(Tr(L"Stel snelheidsindicatie in [%d ; %d]:"), prototype->m_parameterMinimum,
                                    prototype->m_parameterMaximum);
        return wxString::Format(Tr(m_kind.question), prototype->m_parameterMinimum, prototype->m_parameterMaximum);
    }
    return wxString();
}

wxString CState::ResolvedName() const
{
    if (m_cloneSource && m_cloneSource->m_category != Category::Variable &&
        m_cloneSource->m_category != Category::VariableCondition)
        return m_cloneSource->ResolvedName();
    return m_name;
}

const CState* CState::Prototype() const
{
    const CState* block = this;
    while (block->m_cloneSource)
        block = block->m_cloneSource;
    return block;
}

int CState::ParameterMinimum() const
{
    return Prototype()->m_parameterMinimum;
}
int CState::ParameterMaximum() const
{
    return Prototype()->m_parameterMaximum;
}
int CState::CalibrationModeBits() const
{
    return Prototype()->m_calibrationModeBits;
}

wxString CState::ConditionCode() const
{
    if (m_conditionOperator == L"<")
        return L"LT";
    if (m_conditionOperator == L"<=")
        return L"LTE";
    if (m_conditionOperator == L"==")
        return L"EQ";
    if (m_conditionOperator == L">")
        return L"GT";
    if (m_conditionOperator == L">=")
        return L"GTE";
    return L"NEQ";
}

void CState::SetConditionFromCode(const wxString& code)
{
    if (code == L"LT")
        m_conditionOperator = L"<";
    else if (code == L"LTE")
        m_conditionOperator = L"<=";
    else if (code == L"NEQ")
        m_conditionOperator = L"!=";
    else if (code == L"GT")
        m_conditionOperator = L">";
    else if (code == L"GTE")
        m_conditionOperator = L">=";
    else
        m_conditionOperator = L"==";
}

void CState::SetViewer(CProjectViewer* viewer)
{
    m_viewer = viewer;
    if (viewer) {
        m_onCanvas = true;
        m_deletable = true;
    }
}

void CState::SetConnectorMask(int mask)
{
    LoadTiles(mask, IsLinkPiece());
    m_connectorMask = mask;
    m_drawnShape = mask;
}

void CState::MakeHalf()
{
    if (!IsLinkPiece())
        return;
    m_half = true;
    if (m_connectorMask == Connector::FullHorizontal || m_connectorMask == Connector::FullVertical)
        SetConnectorMask(m_connectorMask);
}

void CState::RemoveExitConnector(int code, int otherCode)
{
    if (code == otherCode)
        return;
    m_connectorMask &= ~ExitFieldMask(code);
    m_sideSet &= ~SideSet::OfDirection(code);
}

void CState::AddExitConnector(int code)
{
    m_connectorMask = (m_connectorMask & ~ExitFieldMask(code)) | ExitConnectorBits(code);
    m_sideSet &= ~SideSet::OfDirection(code);
}

void CState::SetSonExitSide(int code)
{
    RemoveExitConnector(m_sonExitSide, m_branchExitSide);
    m_sonExitSide = code;
    AddExitConnector(code);
    SetConnectorMask(m_connectorMask);
}

void CState::SetBranchExitSide(int code)
{
    RemoveExitConnector(m_branchExitSide, m_sonExitSide);
    m_branchExitSide = code;
    AddExitConnector(code);
    SetConnectorMask(m_connectorMask);
}

void CState::ConnectSides(int sides)
{
    if (sides & SideSet::Right)
        m_connectorMask |= 1 << Connector::RightShift;
    if (sides & SideSet::Bottom)
        m_connectorMask |= 1 << Connector::BottomShift;
    if (sides & SideSet::Left)
        m_connectorMask |= 2 << Connector::LeftShift;
    if (sides & SideSet::Top)
        m_connectorMask |= 2 << Connector::TopShift;
    m_sideSet |= sides & 0xF;
    SetConnectorMask(m_connectorMask);
}

void CState::DisconnectSides(int dx, int dy)
{
    int field;
    if (dx < 0)
        field = 3 << Connector::LeftShift;
    else if (dx > 0)
        field = 3 << Connector::RightShift;
    else if (dy <= 0)
        field = 3 << Connector::TopShift;
    else
        field = 3 << Connector::BottomShift;
    m_connectorMask &= ~field;
    SetConnectorMask(m_connectorMask);
}

void CState::RecomputeLinkSides()
{
    if (!IsLinkPiece())
        return;
    int sides = 0;
    if (m_parent)
        sides |= SideToward(*this, *m_parent);
    for (CState* extra : m_extraParents)
        if (extra)
            sides |= SideToward(*this, *extra);
    if (m_son)
        sides |= SideToward(*this, *m_son);
    if (m_parent && !m_son && !m_extraParents[0] && !m_extraParents[1])
        sides |= OppositeSide(SideToward(*this, *m_parent));
    m_connectorMask &= ~Connector::FourWay;
    m_sideSet = 0;
    ConnectSides(sides);
}

// Bound on a walk along a row, so a damaged row that closes on itself cannot loop for ever.
constexpr int kRowWalkLimit = 1 << 20;

CState* CState::LeftmostOfRow()
{
    CState* block = this;
    for (int i = 0; i < kRowWalkLimit && block->m_left; ++i)
        block = block->m_left;
    return block;
}

CState* CState::RightmostOfRow()
{
    CState* block = this;
    for (int i = 0; i < kRowWalkLimit && block->m_right; ++i)
        block = block->m_right;
    return block;
}

bool CState::HoldsAddress(int pc) const
{
    if (IsLinkPiece())
        return false;
    const int length = (m_codeLength > 0 ? m_codeLength : 1) + m_tailLength;
    return pc >= m_codeAddress && pc < m_codeAddress + length;
}

bool CState::ContainsAddress(int pc, CState*& out)
{
    if (!HoldsAddress(pc))
        return true;
    out = this;
    return false;
}

void CState::AddCompatibleId(int id, int lists)
{
    for (int i = 0; i < 4; ++i)
        if (lists & (1 << i))
            m_compatible[i].Append(new int(id));
}

bool CState::IsCompatible(int list, int id) const
{
    for (const int* value : m_compatible[list])
        if (*value == id)
            return true;
    return false;
}
