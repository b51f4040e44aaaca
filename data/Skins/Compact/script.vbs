' The script of the skin "Compact": the layout of both views for any window size, the time and
' position display and the seek bar.

Const TopHeight = 8
Const BarHeight = 34
Const Side = 5
Const Corner = 8

Function Prefix()
    If CurrentView = "viewFullScreen" Then
        Prefix = "fs"
    Else
        Prefix = ""
    End If
End Function

Sub onLoad()
    Layout
    UpdateDisplay
End Sub

' Showing or hiding the playlist widens or narrows the window by the list's width, so that the
' movie keeps its size (the window has no frame: its twips per pixel are Width / ScaleWidth).
Dim listWidth

Sub onPlayListToggle()
    Dim twips
    If WindowState <> 0 Or mnuFullScreen.Checked Then Exit Sub
    twips = Width / ScaleWidth
    If mnuPlaylist.Checked Then
        listWidth = Playlist.Width
        Width = Width + listWidth * twips
    ElseIf listWidth > 0 Then
        Width = Width - listWidth * twips
        listWidth = 0
    End If
End Sub

Sub onShowFSControls()
    Element("fsBar").Visible = True
    UpdateDisplay
End Sub

Sub onHideFSControls()
    Element("fsBar").Visible = False
End Sub

Sub Layout()
    Dim w, h, bar, row
    w = ScaleWidth
    h = ScaleHeight
    bar = h - BarHeight
    row = h - 29
    If CurrentView = "viewFullScreen" Then
        View.Move 0, 0, w, h
        Playlist.Move w - 260, 0, 260, bar
        Element("fsBar").Move 0, bar, w, BarHeight
        Element("fsseekBar").Width = w - 200
        Element("fslblTime").Left = w - 118
        Element("fsbtnRestore").Left = w - 32
        ShowPosition
        Exit Sub
    End If
    Element("topStrip").Move 0, 0, w, TopHeight
    Element("sideLeft").Move 0, TopHeight, Side, bar - TopHeight
    Element("sideRight").Move w - Side, TopHeight, Side, bar - TopHeight
    Element("bar").Move 0, bar, w, BarHeight
    Element("cornerTR").Move w - Corner, 0
    Element("cornerBL").Move 0, h - Corner
    Element("cornerBR").Move w - Corner, h - Corner
    Element("edgeTop").Move Corner, 0, w - 2 * Corner, 1
    Element("edgeBottom").Move Corner, h - 1, w - 2 * Corner, 1
    Element("edgeLeft").Move 0, Corner, 1, h - 2 * Corner
    Element("edgeRight").Move w - 1, Corner, 1, h - 2 * Corner
    Element("btnPlay").Top = h - 31
    Element("btnPause").Top = h - 31
    Element("btnStop").Top = row
    Element("btnPrev").Top = row
    Element("btnNext").Top = row
    Element("seekBar").Move 116, h - 23, w - 302, 12
    Element("lblTime").Move w - 180, bar
    Element("btnMute").Move w - 116, row
    Element("btnMuted").Move w - 116, row
    Element("btnMenu").Move w - 92, row
    Element("btnPlaylist").Move w - 68, row
    Element("btnFullScreen").Move w - 44, row
    Element("btnClose").Move w - 22, row
    View.Move Side, TopHeight, w - 2 * Side, bar - TopHeight
    ShowPosition
End Sub

Sub UpdateDisplay()
    Dim p, playing
    p = Prefix()
    playing = SWF.Playing
    Element(p & "btnPlay").Visible = Not playing
    Element(p & "btnPause").Visible = playing
    Element(p & "lblTime").Caption = ShortTime()
    If p = "" Then
        Element("btnMute").Visible = Not Mute
        Element("btnMuted").Visible = Mute
    End If
    ShowPosition
End Sub

' The time text without its "Time: " or "Frame: " label, which the slim bar has no room for.
Function ShortTime()
    Dim text, colon
    text = TimeText
    colon = InStr(text, ": ")
    If colon > 0 Then text = Mid(text, colon + 2)
    ShortTime = text
End Function

Sub ShowPosition()
    Dim p, bar, fill, knob, span
    p = Prefix()
    Set bar = Element(p & "seekBar")
    Set fill = Element(p & "seekFill")
    Set knob = Element(p & "seekKnob")
    span = bar.Width - knob.Width
    If span < 0 Then span = 0
    knob.Left = Int(MoviePercent() * span + 0.5)
    fill.Move 0, 0, knob.Left + knob.Width \ 2, bar.Height
End Sub

Sub SeekTo(x)
    Dim total, knobWidth, span, frame
    total = SWF.TotalFrames
    If total < 2 Then Exit Sub
    knobWidth = Element(Prefix() & "seekKnob").Width
    span = Element(Prefix() & "seekBar").Width - knobWidth
    If span <= 0 Then Exit Sub
    frame = Int((x - knobWidth / 2) / span * (total - 1) + 0.5)
    If frame < 0 Then frame = 0
    If frame > total - 1 Then frame = total - 1
    SWF.Playing = False
    SWF.GotoFrame frame
    ShowPosition
End Sub
