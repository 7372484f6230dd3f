#pragma once
// A block of the flowchart: one node of the program graph, of one concrete kind.

#include "model/CGraphicState.h"
#include "model/Geometry.h"

#include <wx/list.h>
#include <wx/string.h>

class CState;
class CProgram;
struct KindInfo;

WX_DECLARE_LIST(CState, CStateList);
WX_DECLARE_LIST(int, IDList);

// Categories of blocks.
namespace Category {
enum : int
{
    Placeholder = 0,
    Action = 1,
    SensorCondition = 2,
    LinkPiece = 4,
    Variable = 5,
    VariableCondition = 6
};
}

class CState : public CGraphicState
{
public:
    static constexpr int kCodeCapacity = 256;

    virtual ~CState();

    // Slots 0-6.
    CState* AsState() override { return this; }
    CState* GetParent() const override { return m_parent; }
    CState* GetExtraParent(int i) const override { return (i == 0 || i == 1) ? m_extraParents[i] : nullptr; }
    CState* GetSon() const override { return m_son; }
    CState* GetBranchSon(int i) const override { return (i == 0 || i == 1) ? m_branchSons[i] : nullptr; }
    CState* GetRowNeighbour(int i) const override { return i == 0 ? m_left : i == 1 ? m_right : nullptr; }
    bool IsParameterOn() const override;

    // Slots 7-20.
    virtual void LoadImages(int mask);
    virtual CState* Clone() const = 0;
    virtual wxString GetDisplayName() const;
    virtual wxString GetKindWord() const;
    virtual wxString Describe() const;
    virtual wxString GetLabel() const;
    virtual const unsigned char* GetCode() const { return m_code; }
    virtual int GetCodeLength() const { return m_codeLength; }
    virtual int GetTailLength() const { return m_tailLength; }
    virtual void SetCodeLength(int n) { m_codeLength = n; }
    virtual void SetTailLength(int n) { m_tailLength = n; }
    virtual wxString GetConfigurationTitle() const;
    virtual wxString GetPrompt() const;

    // The kind's fixed description (words, category, mask, parameter, pictures).
    const KindInfo& Kind() const { return m_kind; }
    // The untranslated kind word ("Wait"); every link kind has "Link".
    const wxString& GetKindWordRaw() const { return m_kindWord; }
    int GetCategory() const { return m_category; }
    bool IsCondition() const
    {
        return m_category == Category::SensorCondition || m_category == Category::VariableCondition;
    }
    bool IsLinkPiece() const { return m_category == Category::LinkPiece; }
    bool IsVariableKind() const
    {
        return m_category == Category::Variable || m_category == Category::VariableCondition;
    }
    // Whether the son is owned by this block (its parent points back) rather than a loop or join reference.
    bool OwnsSon() const { return m_son && m_son->m_parent == this; }
    // Whether the block stands in a row with others (it has a row neighbour).
    bool IsInRow() const { return m_left || m_right; }

    // Names: sensors and actuators read theirs through the prototype, variable blocks keep their own.
    wxString ResolvedName() const;
    const wxString& GetName() const { return m_name; }
    const wxString& GetDefaultName() const { return m_defaultName; }
    void SetName(const wxString& name) { m_name = name; }

    // The parameter.
    bool HasParameter() const { return m_hasParameter; }
    int GetParameterIndex() const { return m_parameterIndex; }
    const wxString& GetParameterText() const { return m_parameterText; }
    void SetParameterText(const wxString& text) { m_parameterText = text; }
    // The numeric value in use (0 for kinds without parameter).
    int GetParameterValue() const;
    void SetParameterValue(int value);
    int ParameterMinimum() const;
    int ParameterMaximum() const;
    void SetParameterRange(int minimum, int maximum) { m_parameterMinimum = minimum, m_parameterMaximum = maximum; }
    int CalibrationModeBits() const;
    void SetCalibrationModeBits(int bits) { m_calibrationModeBits = bits; }
    int GetCalibrationInt(int i) const { return m_calibrationInts[i]; }
    void SetCalibrationInt(int i, int value) { m_calibrationInts[i] = value; }
    bool GetCalibrationFlag() const { return m_calibrationFlag; }
    void SetCalibrationFlag(bool flag) { m_calibrationFlag = flag; }

    // The comparison of a condition ("<", "<=", "==", ">", ">=", "!=").
    const wxString& GetConditionOperator() const { return m_conditionOperator; }
    void SetConditionOperator(const wxString& op) { m_conditionOperator = op; }
    // The comparison as its file code ("LT", "LTE", "EQ", "GT", "GTE", "NEQ") and back.
    wxString ConditionCode() const;
    void SetConditionFromCode(const wxString& code);

    void SetPosition(int x, int y) { m_x = x, m_y = y; }
    // Puts the block on a canvas (or takes it off with null); a canvas makes it deletable.
    void SetViewer(CProjectViewer* viewer);

    // Connectors and sides.
    int GetSideSet() const { return m_sideSet; }
    void SetSideSet(int sides) { m_sideSet = sides; }
    void SetConnectorMask(int mask);
    void MakeHalf();
    int GetSonExitSide() const { return m_sonExitSide; }
    int GetBranchExitSide() const { return m_branchExitSide; }
    void SetSonExitSide(int code);
    void SetBranchExitSide(int code);
    void ConnectSides(int sides);
    void DisconnectSides(int dx, int dy);
    void RecomputeLinkSides();
    // The shape a link piece or a condition shows for its actual flow (entries 2, exits 1);
    // any other block keeps its drawn shape.
    int FlowShape() const;
    // The shape of a link piece whose son were son, entered besides by extraEntry (may be null).
    int LinkShapeWith(const CState* son, const CState* extraEntry) const;
    // Brings the drawn shape and its tiles up to date with FlowShape; tiles are reloaded only on a change.
    void RefreshShape();
    // Loads the tiles of a shape to draw (a shape the block shows for a moment, such as with a
    // path being laid); the next RefreshShape goes back to the block's own.
    void ShowShape(int shape);

    // Graph links. The setters change one pointer only; keeping the back pointers is the caller's task.
    void SetParent(CState* block) { m_parent = block; }
    void SetExtraParent(int i, CState* block) { m_extraParents[i] = block; }
    void SetSon(CState* block) { m_son = block; }
    void SetBranchSon(int i, CState* block) { m_branchSons[i] = block; }
    void SetRowNeighbour(int i, CState* block) { (i == 0 ? m_left : m_right) = block; }
    CState* LeftmostOfRow();
    CState* RightmostOfRow();

    // Numbers used while a project text is written or read.
    int GetNodeNumber() const { return m_nodeNumber; }
    void SetNodeNumber(int n) { m_nodeNumber = n; }
    int GetSonNumber() const { return m_sonNumber; }
    int GetBranchSonNumber() const { return m_branchSonNumber; }
    void SetSonNumber(int n) { m_sonNumber = n; }
    void SetBranchSonNumber(int n) { m_branchSonNumber = n; }

    int GetVariableIndex() const { return m_variableIndex; }
    void SetVariableIndex(int index) { m_variableIndex = index; }
    int GetPrototypeId() const { return m_prototypeId; }
    void SetPrototypeId(int id) { m_prototypeId = id; }
    CState* GetCloneSource() const { return m_cloneSource; }
    // The prototype at the top of the clone-source chain (the block itself for a prototype).
    const CState* Prototype() const;

    // Code of the last compilation.
    unsigned char* CodeBuffer() { return m_code; }
    int GetCodeAddress() const { return m_codeAddress; }
    void SetCodeAddress(int address) { m_codeAddress = address; }
    // Whether the program counter lies in this block's code, counting an empty block as one byte.
    bool HoldsAddress(int pc) const;
    // False, with out set to this block, when pc lies in its code; true otherwise (a search predicate).
    bool ContainsAddress(int pc, CState*& out);

    // Compatibility lists of prototype ids (bit i of lists selects list i).
    const IDList& GetCompatibleIds(int list) const { return m_compatible[list]; }
    void AddCompatibleId(int id, int lists);
    bool IsCompatible(int list, int id) const;

protected:
    CState(const KindInfo& kind, int category, int connectorMask);
    // Copies what a clone shares with its source: position, prototype id, and the source itself.
    void InitClone(const CState& source);

private:
    void RemoveExitConnector(int code, int otherCode);
    void AddExitConnector(int code);

    const KindInfo& m_kind;
    int m_sonExitSide = Direction::Down;
    int m_branchExitSide = Direction::Right;
    int m_variableIndex = -1;
    wxString m_defaultName;
    wxString m_name;
    wxString m_kindWord;
    int m_nodeNumber = -1;
    int m_category;
    int m_prototypeId = 0;
    int m_sonNumber = -1, m_branchSonNumber = -1;
    CState* m_parent = nullptr;
    CState* m_extraParents[2] = {nullptr, nullptr};
    CState* m_son = nullptr;
    CState* m_branchSons[2] = {nullptr, nullptr};
    CState* m_left = nullptr;
    CState* m_right = nullptr;
    CState* m_cloneSource = nullptr;
    unsigned char m_code[kCodeCapacity] = {};
    int m_codeLength = 0;
    int m_tailLength = 0;
    int m_codeAddress = 0;
    IDList m_compatible[4];
    int m_sideSet = 0;
    int m_parameterValues[2] = {0, 0};
    int m_parameterMinimum = 0, m_parameterMaximum = 0;
    int m_calibrationModeBits = 0;
    wxString m_parameterText = L"0";
    int m_parameterIndex = -1;
    bool m_hasParameter = false;
    wxString m_conditionOperator = L"==";
    bool m_calibrationFlag = false;
    int m_calibrationInts[5] = {1, 0, 1, 0, 1};
};

// The direction of the step from block a to block b: along a row (same y) right or left, otherwise
// down or up. It is how the drawing tells on which side a neighbour lies.
int StepDirection(const CState& a, const CState& b);

// The process-wide block-id counter: every prototype, and the canvas's start block, takes the next value.
int NextBlockId();
