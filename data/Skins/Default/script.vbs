' The script of the skin "Default": the layout of both views for any window size, the time and
' position display, the seek and volume bars, and the full-screen panel.

Const TitleHeight = 28
Const BarHeight = 64
Const Side = 6
Const Corner = 10

' The elements of the full-screen view carry the prefix "fs".
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
    Element("fsPanel").Visible = True
    UpdateDisplay
End Sub

Sub onHideFSControls()
    Element("fsPanel").Visible = False
End Sub

Sub Layout()
    If CurrentView = "viewFullScreen" Then
        LayoutFullScreen
    Else
        LayoutNormal
    End If
End Sub

Sub LayoutNormal()
    Dim w, h, bar, row
    w = ScaleWidth
    h = ScaleHeight
    bar = h - BarHeight
    row = h - 36

    Element("titleBar").Move 0, 0, w, TitleHeight
    Element("sideLeft").Move 0, TitleHeight, Side, bar - TitleHeight
    Element("sideRight").Move w - Side, TitleHeight, Side, bar - TitleHeight
    Element("controlBar").Move 0, bar, w, BarHeight
    Element("cornerTR").Move w - Corner, 0
    Element("cornerBL").Move 0, h - Corner
    Element("cornerBR").Move w - Corner, h - Corner
    Element("borderTop").Move Corner, 0, w - 2 * Corner, 1
    Element("borderBottom").Move Corner, h - 1, w - 2 * Corner, 1
    Element("borderLeft").Move 0, Corner, 1, h - 2 * Corner
    Element("borderRight").Move w - 1, Corner, 1, h - 2 * Corner

    Element("lblTitle").Width = w - 130
    Element("btnMenu").Left = w - 88
    Element("btnMinimize").Left = w - 60
    Element("btnClose").Left = w - 32

    Element("seekBar").Move 12, bar + 8, w - 24, 14
    Element("btnPrev").Top = row
    Element("btnPlay").Top = row - 5
    Element("btnPause").Top = row - 5
    Element("btnStop").Top = row
    Element("btnNext").Top = row
    Element("lblTime").Top = row
    Element("btnMute").Move w - 190, row
    Element("btnMuted").Move w - 190, row
    Element("volBar").Move w - 156, row + 8
    Element("btnPlaylist").Move w - 80, row
    Element("btnFullScreen").Move w - 48, row
    Element("grip").Move w - 15, h - 15

    ' The movie fills the frame; a shown playlist takes its right part.
    View.Move Side, TitleHeight, w - 2 * Side, bar - TitleHeight
    ShowPosition
End Sub

Sub LayoutFullScreen()
    Dim w, h, panel
    w = ScaleWidth
    h = ScaleHeight
    View.Move 0, 0, w, h
    ' The playlist lies over the movie at the right edge while the pointer is there.
    Playlist.Move w - 280, 0, 280, h
    ' The panel touches the bottom edge, so the pointer goes from the edge straight onto it.
    Set panel = Element("fsPanel")
    panel.Move (w - panel.Width) \ 2, h - panel.Height
End Sub

Sub MediaChanged()
    Element("lblTitle").Caption = Caption
    UpdateDisplay
End Sub

' Every tick of the status timer.
Sub UpdateDisplay()
    Dim p, playing
    p = Prefix()
    playing = SWF.Playing
    Element(p & "btnPlay").Visible = Not playing
    Element(p & "btnPause").Visible = playing
    Element(p & "lblTime").Caption = TimeText
    ShowPosition
    If p = "" Then ShowVolume
End Sub

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

' Dragging on the position bar: x is the pointer's place on the bar. The movie stands still
' while the bar is held; the player lets it go on as before when the button is released.
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

Sub VolumeTo(x)
    Dim level
    level = Int(x / Element("volBar").Width * 100 + 0.5)
    If level < 0 Then level = 0
    If level > 100 Then level = 100
    If Mute Then MuteSound False
    SetSound level, Pan
    ShowVolume
End Sub

Sub ShowVolume()
    Element("volFill").Width = Int(Volume * Element("volBar").Width / 100 + 0.5)
    Element("btnMute").Visible = Not Mute
    Element("btnMuted").Visible = Mute
End Sub
