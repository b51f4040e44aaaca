Dim b(99)
For i = 0 To 99
b(i) = Space(30000000)
Next
