s = "ab"
For i = 1 To 40
s = Replace(s, "a", "aaaaaaaaaaaaaaaa")
Next
